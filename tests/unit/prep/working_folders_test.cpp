#include "prep/working_folders.h"

#include <gtest/gtest.h>

#include "app/exit_status.h"
#include "support/shell_run.h"

namespace docbase {
namespace {

TEST(RemovePreviousOutputs, ClearsListsPagesTextsAndTheOldOutputFolder) {
  ShellRun shell_run;
  TempFolder& folder = shell_run.folder;
  for (const char* name :
       {"old.htm", "old.html", "x.list", "mine.txt", "keep.dat", "keep", "htm_out/page_01.htm",
        "htm_out/index.htm", "txt_in/a.txt", "other/b.txt"}) {
    folder.write(name, "x");
  }
  remove_previous_outputs(shell_run.run);
  for (const char* gone : {"old.htm", "old.html", "x.list", "mine.txt", "htm_out"}) {
    EXPECT_FALSE(folder.exists(gone)) << gone;
  }
  for (const char* kept : {"keep.dat", "keep", "txt_in/a.txt", "other/b.txt", "dir_01.txt"}) {
    EXPECT_TRUE(folder.exists(kept)) << kept;
  }
}

TEST(MakeOutputFolders, MakesBothFolders) {
  ShellRun shell_run;
  EXPECT_EQ(outcome([&] { make_output_folders(shell_run.run); }), -1);
  EXPECT_TRUE(std::filesystem::is_directory(shell_run.folder.path() / "htm_in"));
  EXPECT_TRUE(std::filesystem::is_directory(shell_run.folder.path() / "htm_out"));
}

// A folder in the place of the probe's listing file keeps the listing from
// being written, so the probe finds nothing: the way to see the failure.
TEST(MakeOutputFolders, EndsWhenTheFoldersCannotBeFound) {
  ShellRun shell_run("k");
  std::filesystem::create_directory(shell_run.folder.path() / "dir_cur.txt");
  EXPECT_EQ(outcome([&] { make_output_folders(shell_run.run); }), kExitCannotGoOn);
  EXPECT_EQ(shell_run.captured.out(), std::string(42, '-') +
                                          "\nsubfolders htm_in, htm_out must be created\n\n"
                                          "<...> any key to continue and end\n");
}

TEST(PrepareWorkFolders, EndsWhenHtmInCannotBeFound) {
  ShellRun shell_run("k");
  shell_run.folder.write("txt_in/a.txt", "text");
  std::filesystem::create_directory(shell_run.folder.path() / "dir_cur.txt");
  EXPECT_EQ(outcome([&] { prepare_work_folders(shell_run.run); }), kExitCannotGoOn);
  std::string out = shell_run.captured.out();
  EXPECT_NE(out.find(std::string(32, '-') + "\nsubfolder htm_in must be created\n\n"),
            std::string::npos)
      << out;
}

}  // namespace
}  // namespace docbase
