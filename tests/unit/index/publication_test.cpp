#include "index/publication.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "page_test_support.h"

namespace docbase {
namespace {

std::set<std::string> names_in(const std::filesystem::path& folder) {
  std::set<std::string> names;
  if (!std::filesystem::is_directory(folder)) return names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.insert(entry.path().filename().string());
  return names;
}

// A working folder as the group pass and the all-words index leave it.
struct FinishedRun {
  FinishedRun() {
    const TempFolder& folder = pages.folder;
    folder.write("txt_in/notes.txt", "Hello world\n");
    // Listed pages: one in capitals with a trailing blank, one that is gone,
    // one whose name holds a blank.
    folder.write("dir_02.txt",
                 "page_01.htm\r\npage_02.htm\r\nPAGE_03.HTM \r\npage_09.htm\r\npage_a b.htm\r\n");
    for (const char* page : {"page_01.htm", "page_02.htm", "page_03.htm", "page_a b.htm",
                             "files_list.htm", "i_1.htm", "i_2.htm", "index.htm", "s_1.htm",
                             "s_2.htm", "s_notes_01.htm", "notes_01.htm", "own_page.html"})
      folder.write(page, std::string("<html>") + page);
    for (const char* work_file : {"wrd_01.txt", "wrd_11_1.txt", "page_01.txt", "my_own_notes.txt",
                                  "out_null.list", "group_page_all_sort.txt"})
      folder.write(work_file, "work");
    folder.write("keep.dat", "kept");
    folder.write("htm_in/notes.htm", "x");
    folder.write("htm_ndx/htm_in/notes.htm", "x");
    folder.write("htm_wrk/notes.htm", "x");
    folder.write("txt_wrk/notes.txt", "x");
    folder.write("wrd_24/wrd_24_1.txt", "x");
  }

  PageRun pages;
};

TEST(Publication, FillsHtmOutAndLeavesOnlyWhatIsKept) {
  struct Case {
    std::string name;
    bool htm_out_present;
  };
  for (const Case& c : std::vector<Case>{{"htm_out removed during the run", false},
                                         {"htm_out holding an old file", true}}) {
    SCOPED_TRACE(c.name);
    FinishedRun finished;
    PageRun& fresh = finished.pages;
    if (c.htm_out_present) fresh.folder.write("htm_out/old_page.htm", "old");

    publish_and_clean_up(fresh.run);

    EXPECT_EQ(names_in(fresh.folder.path() / "htm_out"),
              (std::set<std::string>{"page_01.htm", "page_02.htm", "page_03.htm", "page_a b.htm",
                                     "files_list.htm", "i_1.htm", "i_2.htm", "index.htm", "s_1.htm",
                                     "s_2.htm", "s_notes_01.htm"}));
    EXPECT_EQ(fresh.folder.read("htm_out/page_03.htm"), "<html>page_03.htm");
    EXPECT_EQ(names_in(fresh.folder.path()),
              (std::set<std::string>{"txt_in", "htm_out", "dir_01.txt", "keep.dat"}));
    EXPECT_EQ(fresh.folder.read("txt_in/notes.txt"), "Hello world\n");
    EXPECT_NE(fresh.captured.out().find("processed 100%\n"), std::string::npos);
    // The page that is gone, then the two closing commands, each say why they failed.
    std::string errors = fresh.captured.err();
    EXPECT_NE(errors.find("The system cannot find the file specified."), std::string::npos)
        << errors;
    EXPECT_NE(errors.find("A subdirectory or file htm_out already exists."), std::string::npos)
        << errors;
  }
}

TEST(Results, ShowsTheResultsAndEndsAtAnyKey) {
  PageRun pages;
  EXPECT_EQ(outcome([&] { show_results(pages.run); }), kExitCompleted);
  EXPECT_EQ(pages.captured.out(),
            "\n"
            "============ INDEXING RESULTS ===========\n"
            "\n"
            "Indexing is done.\n"
            "\n"
            "view subfolder: \\htm_out\n"
            "view files: page*.htm, index*.htm, i_*.htm, s_*.htm\n"
            "You can access the index of all words by double-clicking on any word.\n"
            "details: www.example.net\n"
            "\n"
            "<...> any key to continue and end\n");
}

}  // namespace
}  // namespace docbase
