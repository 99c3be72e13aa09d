#include "prep/command_runner.h"

#include <gtest/gtest.h>

#include "support/shell_run.h"

namespace docbase {
namespace {

TEST(ShortProbe, MatchesAnyListedNameWithoutExtensionThatContainsTheFolder) {
  struct Case {
    const char* entry;  // a folder, or a file when it ends in "#"
    bool found;
  };
  const Case cases[] = {
      {"htm_in", true},       {"HTM_IN", true}, {"htm_in_old", true}, {"my_htm_in", true},
      {"htm_in_file#", true}, {"htm_i", false}, {"htm_in.d", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entry);
    ShellRun shell_run;
    std::string entry = c.entry;
    if (entry.back() == '#') {
      entry.pop_back();
      shell_run.folder.write(entry, "x");
    } else {
      std::filesystem::create_directory(shell_run.folder.path() / entry);
    }
    EXPECT_EQ(probe_folder_short(shell_run.run, "dir /b *. > dir_01.txt", "dir_01.txt", "htm_in"),
              c.found);
  }
}

TEST(FullProbe, ReadsTheHeaderLinesThatNameTheWorkingFolder) {
  ShellRun plain;
  std::filesystem::create_directory(plain.folder.path() / "htm_out");
  FullProbe found = probe_folders_full(plain.run, "htm_in", "htm_out");
  EXPECT_FALSE(found.first);
  EXPECT_TRUE(found.second);

  ShellRun named("", "Work_HTM_IN");
  EXPECT_TRUE(probe_folders_full(named.run, "htm_in", "htm_out").first);
}

TEST(DeleteListedFiles, DeletesLowerCasedFullPathsUnderACapitalisedFolder) {
  ShellRun shell_run("", "Capital_Root");
  shell_run.folder.write("Htm_Wrk/Notes.HTM", "x");
  shell_run.folder.write("Htm_Wrk/b.htm", "y");
  delete_listed_files(shell_run.run, "dir /b /s htm_wrk\\*.* > dir_01.txt");
  EXPECT_FALSE(shell_run.folder.exists("Htm_Wrk/Notes.HTM"));
  EXPECT_FALSE(shell_run.folder.exists("Htm_Wrk/b.htm"));
  EXPECT_TRUE(shell_run.folder.exists("Htm_Wrk"));
}

TEST(DeleteListedFiles, PutsThePrefixBeforeEachNameAndKeepsFolders) {
  ShellRun shell_run;
  shell_run.folder.write("htm_out/A.htm", "x");
  std::filesystem::create_directory(shell_run.folder.path() / "htm_out" / "sub");
  shell_run.folder.write("a.htm", "stays");
  delete_listed_files(shell_run.run, "dir /b htm_out\\*.* > dir_01.txt", "htm_out\\");
  EXPECT_FALSE(shell_run.folder.exists("htm_out/A.htm"));
  EXPECT_TRUE(shell_run.folder.exists("htm_out/sub"));
  EXPECT_TRUE(shell_run.folder.exists("a.htm"));
}

TEST(CommandName, QuotesANameHoldingABlank) {
  EXPECT_EQ(command_name("a_b_01.htm"), "a_b_01.htm");
  EXPECT_EQ(command_name("a b_01.htm"), "\"a b_01.htm\"");
}

}  // namespace
}  // namespace docbase
