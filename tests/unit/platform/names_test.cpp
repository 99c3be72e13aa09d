#include "platform/names.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/temp_folder.h"

namespace docbase {
namespace {

TEST(ResolveName, MatchesEachComponentWithoutRegardToCase) {
  TempFolder folder;
  folder.write("Htm_In/Page_01.HTM", "x");
  auto resolved = resolve_name(folder.path(), "htm_in\\page_01.htm");
  ASSERT_TRUE(resolved);
  EXPECT_EQ(*resolved, folder.path() / "Htm_In" / "Page_01.HTM");
}

// A large folder is searched by trying the spellings of a name, a small one
// by a scan; both must find the same entry.
TEST(FindFolderEntry, FindsTheSameEntryInSmallAndLargeFolders) {
  struct Case {
    const char* name;
    std::optional<std::string> found;
  };
  const Case cases[] = {
      {"page_0001.htm", "page_0001.htm"},
      {"page_0002.htm", "PAGE_0002.HTM"},
      {"ab.txt", "Ab.txt"},
      {"x1", "X1"},
      {"page_0003.htm", std::nullopt},
      {"no_such_name_at_all.txt", std::nullopt},
  };
  for (int fillers : {0, 3000}) {
    SCOPED_TRACE(fillers);
    TempFolder folder;
    for (const char* entry :
         {"page_0001.htm", "Page_0001.htm", "PAGE_0002.HTM", "aB.txt", "Ab.txt", "X1"})
      folder.write(entry, "");
    for (int i = 0; i < fillers; ++i)
      folder.write("filler_" + std::to_string(i) + ".dat", "");
    for (const Case& c : cases) {
      SCOPED_TRACE(c.name);
      EXPECT_EQ(find_folder_entry(folder.path(), c.name), c.found);
    }
  }
}

TEST(ResolveName, KeepsTheSpellingOfANewName) {
  TempFolder folder;
  folder.write("htm_out/.keep", "");
  auto resolved = resolve_name(folder.path(), "HTM_OUT\\New.txt");
  ASSERT_TRUE(resolved);
  EXPECT_EQ(*resolved, folder.path() / "htm_out" / "New.txt");
}

TEST(ResolveName, RefusesNamesThatLeaveTheFolder) {
  TempFolder folder;
  for (const char* name : {"..\\x.txt", "a\\..\\..\\x", "/etc/passwd", "C:\\x", "\\x"}) {
    SCOPED_TRACE(name);
    EXPECT_FALSE(resolve_name(folder.path(), name));
  }
}

TEST(ResolveName, TakesAFullPathInsideTheFolderInAnyCase) {
  TempFolder folder("Case_Root");
  folder.write("htm_in/a.htm", "x");
  std::string full = folder.path().string() + "/htm_in/a.htm";
  std::string lowered;
  for (char c : full)
    lowered.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
  auto resolved = resolve_name(folder.path(), lowered);
  ASSERT_TRUE(resolved);
  EXPECT_TRUE(std::filesystem::exists(*resolved));
}

TEST(ResolveName, FindsAFileWhoseNameHoldsABackslash) {
  TempFolder folder;
  folder.write("txt_wrk/..\\..\\x.txt", "text");
  auto resolved = resolve_name(folder.path(), "txt_wrk\\..\\..\\x.txt");
  ASSERT_TRUE(resolved);
  EXPECT_EQ(*resolved, folder.path() / "txt_wrk" / "..\\..\\x.txt");
}

TEST(ResolveName, RefusesWritingThroughALinkToOutside) {
  TempFolder outside;
  TempFolder folder;
  std::filesystem::create_directory_symlink(outside.path(), folder.path() / "txt_in");
  EXPECT_FALSE(resolve_name(folder.path(), "txt_in\\a.txt", Access::kWrite));
  EXPECT_TRUE(resolve_name(folder.path(), "txt_in\\a.txt", Access::kRead));
}

TEST(NameOrder, ComparesLettersAsLowerCaseThenBytewise) {
  EXPECT_TRUE(name_order_less("apple", "Banana"));
  EXPECT_TRUE(name_order_less("Apple", "apple"));
  EXPECT_TRUE(name_order_less("abc", "abcd"));
  EXPECT_TRUE(name_order_less("a_b", "ab"));  // '_' (95) before 'b' (98)
  EXPECT_FALSE(name_order_less("b", "B"));
}

}  // namespace
}  // namespace docbase
