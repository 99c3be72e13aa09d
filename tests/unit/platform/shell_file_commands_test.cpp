#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include "shell_fixture.h"
#include "words/record_file.h"

namespace docbase {
namespace {

const char* const kOneCopied = "        1 file(s) copied.\n";
const char* const kNoneCopied = "        0 file(s) copied.\n";

TEST(ShellDel, DeletesMatchingFilesOnly) {
  const std::vector<CommandCase> cases = {
      {"a pattern, case ignored, folders stay",
       {{"a.txt", ""}, {"b.TXT", ""}, {"keep.htm", "k"}, {"x.txt/", ""}},
       {"del /q *.txt"},
       "",
       "",
       {{"keep.htm", "k"}},
       {"a.txt", "b.TXT"}},
      {"every file of a folder, its subfolder stays",
       {{"htm_out/a.htm", ""}, {"htm_out/f_01.txt", ""}, {"htm_out/sub/b.htm", "b"}},
       {"del /q htm_out\\*.* > out_null.list"},
       "",
       "",
       {{"htm_out/sub/b.htm", "b"}, {"out_null.list", ""}},
       {"htm_out/a.htm", "htm_out/f_01.txt"}},
      {"one name in another case",
       {{"file_s_1.txt", ""}},
       {"del /q FILE_S_1.TXT"},
       "",
       "",
       {},
       {"file_s_1.txt"}},
      {"a folder named alone loses its files, not itself",
       {{"wrd_24/a.txt", ""}, {"wrd_24/inner/", ""}},
       {"del /q wrd_24", "dir /b wrd_24"},
       "inner\n",
       "",
       {},
       {"wrd_24/a.txt"}},
      {"nothing to delete",
       {},
       {"del /q nothing.txt", "del /q *.list", "del /q nope\\*.*"},
       "",
       "Could Not Find {root}/nothing.txt\nCould Not Find {root}/*.list\n"
       "The system cannot find the path specified.\n"},
      {"several names", {{"a", ""}, {"b", ""}}, {"del /q a b"}, "", "", {}, {"a", "b"}},
  };
  for (const CommandCase& row : cases)
    check_case(row);
}

TEST(ShellFolders, MakeAndRemove) {
  const std::vector<CommandCase> cases = {
      {"make, then meet it again in any case",
       {},
       {"md htm_in > out_null.list", "md htm_in", "md HTM_IN", "md htm_in\\sub"},
       "",
       "A subdirectory or file htm_in already exists.\n"
       "A subdirectory or file HTM_IN already exists.\n",
       {{"out_null.list", ""}}},
      {"a missing parent",
       {},
       {"md a\\b"},
       "",
       "The system cannot find the path specified.\n",
       {},
       {"a"}},
      {"an existing file of that name",
       {{"x", "f"}},
       {"md x"},
       "",
       "A subdirectory or file x already exists.\n",
       {{"x", "f"}}},
      {"remove an empty folder only",
       {{"empty/", ""}, {"full/a.txt", "a"}, {"a.txt", "a"}},
       {"rd EMPTY", "rd full", "rd nope", "rd a.txt"},
       "",
       "The directory is not empty.\nThe system cannot find the file specified.\n"
       "The directory name is invalid.\n",
       {{"full/a.txt", "a"}, {"a.txt", "a"}},
       {"empty"}},
      {"the working folder itself stays",
       {},
       {"rd .", "rename . x"},
       "",
       "The process cannot access the file because it is being used by another process.\n"
       "Access is denied.\n"},
  };
  for (const CommandCase& row : cases)
    check_case(row);
}

TEST(ShellRename, RenamesInTheOldNamesFolder) {
  const std::vector<CommandCase> cases = {
      {"a quoted old name with a blank",
       {{"txt_wrk/my report.txt", "r"}},
       {"rename \"txt_wrk\\my report.txt\" my_report.txt"},
       "",
       "",
       {{"txt_wrk/my_report.txt", "r"}},
       {"txt_wrk/my report.txt"}},
      {"onto a taken name nothing changes, in both tries",
       {{"txt_wrk/a b.txt", "1"}, {"txt_wrk/a_b.txt", "2"}},
       {"rename \"txt_wrk\\a b.txt\" a_b.txt", "rename \"txt_wrk\\a b.txt\" a_b.txt"},
       "",
       "A duplicate file name exists, or the file cannot be found.\n"
       "A duplicate file name exists, or the file cannot be found.\n",
       {{"txt_wrk/a b.txt", "1"}, {"txt_wrk/a_b.txt", "2"}}},
      {"a name taken in another case",
       {{"txt_wrk/a b.txt", "1"}, {"txt_wrk/A_B.TXT", "2"}},
       {"rename \"txt_wrk\\a b.txt\" a_b.txt"},
       "",
       "A duplicate file name exists, or the file cannot be found.\n",
       {{"txt_wrk/a b.txt", "1"}, {"txt_wrk/A_B.TXT", "2"}},
       {"txt_wrk/a_b.txt"}},
      {"a change of case only is the same file",
       {{"txt_wrk/Notes.txt", "n"}},
       {"rename \"txt_wrk\\Notes.txt\" notes.txt"},
       "",
       "",
       {{"txt_wrk/notes.txt", "n"}},
       {"txt_wrk/Notes.txt"}},
      {"the old name in another case",
       {{"txt_wrk/Page_3.txt", "p"}},
       {"rename \"txt_wrk\\page_3.txt\" file_Page_3.txt"},
       "",
       "",
       {{"txt_wrk/file_Page_3.txt", "p"}}},
      {"a missing file",
       {},
       {"rename \"txt_wrk\\x.txt\" y.txt"},
       "",
       "The system cannot find the file specified.\n"},
      {"a new name with a folder",
       {{"a.txt", "a"}},
       {"rename a.txt sub/b.txt"},
       "",
       "The syntax of the command is incorrect.\n",
       {{"a.txt", "a"}}},
  };
  for (const CommandCase& row : cases)
    check_case(row);
}

TEST(ShellCopy, CopiesFilesAndPatterns) {
  const std::vector<CommandCase> cases = {
      {"a pattern into a folder",
       {{"txt_in/a.txt", "A"}, {"txt_in/b.TXT", "B"}, {"txt_in/c.htm", "C"}, {"txt_wrk/", ""}},
       {"copy txt_in\\*.txt txt_wrk\\ > out_null.list"},
       "",
       "",
       {{"txt_wrk/a.txt", "A"},
        {"txt_wrk/b.TXT", "B"},
        {"out_null.list", "txt_in\\a.txt\r\ntxt_in\\b.TXT\r\n        2 file(s) copied.\r\n"}},
       {"txt_wrk/c.htm"}},
      {"a file onto a file, replacing it",
       {{"page_03_02.htm", "new"}, {"page_03.htm", "old and longer"}},
       {"copy page_03_02.htm page_03.htm"},
       kOneCopied,
       "",
       {{"page_03.htm", "new"}}},
      {"into an existing folder named without a backslash",
       {{"index.htm", "i"}, {"htm_out/", ""}},
       {"copy index.htm htm_out"},
       kOneCopied,
       "",
       {{"htm_out/index.htm", "i"}}},
      {"no target: the working folder",
       {{"wrd_24/wrd_24_1.txt", "new"}, {"wrd_24_1.txt", "old"}},
       {"copy wrd_24\\*.txt > out_null.list"},
       "",
       "",
       {{"wrd_24_1.txt", "new"}}},
      {"with /y, into a file of another case",
       {{"htm_wrk/a.htm", "new"}, {"htm_in/A.HTM", "old"}},
       {"copy /y htm_wrk\\*.htm htm_in\\"},
       "htm_wrk\\a.htm\n" + std::string(kOneCopied),
       "",
       {{"htm_in/A.HTM", "new"}},
       {"htm_in/a.htm"}},
      {"onto itself",
       {{"a.txt", "a"}},
       {"copy a.txt a.txt", "copy A.TXT a.txt", "copy *.txt"},
       std::string(kNoneCopied) + kNoneCopied + "a.txt\n" + kNoneCopied,
       "The file cannot be copied onto itself.\nThe file cannot be copied onto itself.\n"
       "The file cannot be copied onto itself.\n",
       {{"a.txt", "a"}}},
      {"missing sources",
       {{"htm_ot/", ""}},
       {"copy nope.txt htm_ot\\", "copy nope\\a.txt htm_ot\\",
        "copy www.example.org\\htm_out\\*.* htm_ot\\", "copy *.none htm_ot\\"},
       std::string(kNoneCopied) + kNoneCopied + kNoneCopied + kNoneCopied,
       "The system cannot find the file specified.\nThe system cannot find the path specified.\n"
       "The system cannot find the path specified.\nThe system cannot find the file specified.\n"},
      {"a missing target folder",
       {{"a.txt", "a"}},
       {"copy a.txt nope\\", "copy a.txt nope\\b.txt"},
       std::string(kNoneCopied) + kNoneCopied,
       "The system cannot find the path specified.\nThe system cannot find the path specified.\n",
       {},
       {"nope"}},
      {"a pattern onto one file joins the files",
       {{"a.part", "12"}, {"b.part", "345"}},
       {"copy *.part joined.bin"},
       "a.part\nb.part\n" + std::string(kOneCopied),
       "",
       {{"joined.bin", "12345"}}},
  };
  for (const CommandCase& row : cases)
    check_case(row);
}

TEST(ShellCopy, StreamsFilesLargerThanItsBuffer) {
  ShellFixture fixture;
  std::string bytes;
  for (int i = 0; i < (3 << 20) + 17; ++i)
    bytes.push_back(static_cast<char>(i * 7 % 251));
  fixture.lay_out({{"big.bin", bytes}, {"out/", ""}});
  EXPECT_EQ(fixture.run("copy big.bin out\\").out, kOneCopied);
  EXPECT_EQ(fixture.folder.read("out/big.bin"), bytes);
}

// A failed write must end the run, naming the file, rather than leave a
// short copy behind as if it were whole.
TEST(ShellCopy, AWriteThatFailsThrowsNamingTheTarget) {
  ShellFixture fixture;
  fixture.lay_out({{"big.bin", std::string(1 << 16, 'x')}, {"out/", ""}});
  auto old_handler = ::signal(SIGXFSZ, SIG_IGN);
  rlimit old_limit{};
  ::getrlimit(RLIMIT_FSIZE, &old_limit);
  rlimit small = old_limit;
  small.rlim_cur = 4096;
  ::setrlimit(RLIMIT_FSIZE, &small);
  std::string failed_file;
  try {
    fixture.shell.run("copy big.bin out\\");
  } catch (const WriteError& failure) {
    failed_file = failure.file();
  }
  ::setrlimit(RLIMIT_FSIZE, &old_limit);
  ::signal(SIGXFSZ, old_handler);
  EXPECT_EQ(failed_file, (fixture.shell.root() / "out" / "big.bin").string());
}

}  // namespace
}  // namespace docbase
