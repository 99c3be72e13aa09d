#include "prep/input_name_check.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "support/shell_run.h"

namespace docbase {
namespace {

TEST(CarriableName, HoldsNoControlByteAndNoMarkOfTheCommandLines) {
  for (const char* name : {"good name.txt", "caf\xc3\xa9.txt", "a,b;c=d&e^f%g!h(i)j.txt",
                           "'single'.txt", "del\x7f.txt", " lead.txt", "page_1.TXT"}) {
    SCOPED_TRACE(name);
    EXPECT_TRUE(is_carriable_name(name));
  }
  for (const char* name :
       {"line\nbreak.txt", "tab\tname.TXT", "cr\r.txt", "back\\slash.txt", "q\"uote.txt",
        "star*.txt", "what?.txt", "pipe|.txt", "drive:.txt", "a<b.txt", "a>b.txt"}) {
    SCOPED_TRACE(name);
    EXPECT_FALSE(is_carriable_name(name));
  }
}

TEST(FreeCopyName, NumbersTheSafeNameUntilItsPageBaseIsFree) {
  const std::set<std::string> taken = {"a_b", "a_b_2", "notes"};
  EXPECT_EQ(free_copy_name("a_b.txt", taken), "a_b_3.txt");
  EXPECT_EQ(free_copy_name("NOTES.TXT", taken), "NOTES_2.TXT");
  EXPECT_EQ(free_copy_name("fresh.txt", taken), "fresh.txt");
  EXPECT_EQ(free_copy_name(std::string(251, 'L') + ".txt", taken), std::string(200, 'L') + ".txt");
}

// The copies in txt_wrk after each pass, keyed by name, mapped to their text.
std::map<std::string, std::string> copies_in(const ShellRun& session) {
  std::map<std::string, std::string> copies;
  for (const auto& entry : std::filesystem::directory_iterator(session.folder.path() / "txt_wrk"))
    copies[entry.path().filename().string()] = read_file(entry.path());
  return copies;
}

TEST(RenameCopies, GiveEveryUncarriableOrClashingCopyAFreeSafeName) {
  struct Case {
    const char* name;
    std::vector<std::string> copies;            // each file's text is its name
    std::map<std::string, std::string> before;  // after rename_uncarriable_copies
    std::map<std::string, std::string> after;   // after rename_clashing_copies
  };
  const std::vector<Case> cases = {
      {"marks and control bytes, the safe name of another copy left to it",
       {"a\nb.txt", "q\"u*o?t<e>.txt", "a b.txt", "ok.txt"},
       {{"a_b_2.txt", "a\nb.txt"},
        {"q_u_o_t_e_.txt", "q\"u*o?t<e>.txt"},
        {"a b.txt", "a b.txt"},
        {"ok.txt", "ok.txt"}},
       {{"a_b_2.txt", "a\nb.txt"},
        {"q_u_o_t_e_.txt", "q\"u*o?t<e>.txt"},
        {"a b.txt", "a b.txt"},
        {"ok.txt", "ok.txt"}}},
      {"names equal but for letter case",
       {"Dup.txt", "dup.txt", "DUP.TXT"},
       {{"Dup.txt", "Dup.txt"}, {"dup.txt", "dup.txt"}, {"DUP.TXT", "DUP.TXT"}},
       {{"DUP.TXT", "DUP.TXT"}, {"Dup_2.txt", "Dup.txt"}, {"dup_3.txt", "dup.txt"}}},
      {"a page of the program's own whose rename failed",
       {"page_3.txt", "file_page_3.txt", "f_promote.txt", "file_f_promote.txt"},
       {{"page_3.txt", "page_3.txt"},
        {"file_page_3.txt", "file_page_3.txt"},
        {"f_promote.txt", "f_promote.txt"},
        {"file_f_promote.txt", "file_f_promote.txt"}},
       {{"file_page_3_2.txt", "page_3.txt"},
        {"file_page_3.txt", "file_page_3.txt"},
        {"file_f_promote_2.txt", "f_promote.txt"},
        {"file_f_promote.txt", "file_f_promote.txt"}}},
      {"a name too long for the prepared page's name",
       {std::string(251, 'L') + ".txt", std::string(200, 'L') + ".txt"},
       {{std::string(251, 'L') + ".txt", std::string(251, 'L') + ".txt"},
        {std::string(200, 'L') + ".txt", std::string(200, 'L') + ".txt"}},
       {{std::string(200, 'L') + "_2.txt", std::string(251, 'L') + ".txt"},
        {std::string(200, 'L') + ".txt", std::string(200, 'L') + ".txt"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ShellRun session;
    for (const std::string& copy : c.copies)
      session.folder.write("txt_wrk/" + copy, copy);
    rename_uncarriable_copies(session.run);
    EXPECT_EQ(copies_in(session), c.before);
    rename_clashing_copies(session.run);
    EXPECT_EQ(copies_in(session), c.after);
  }
}

}  // namespace
}  // namespace docbase
