#include <gtest/gtest.h>

#include "platform/names.h"
#include "shell_fixture.h"

namespace docbase {
namespace {

const char* const kChcpLine = "Active code page: 65001";

TEST(ShellInterpreter, RedirectsAndDispatchesCommandLines) {
  const std::string chcp = kChcpLine;
  const std::vector<CommandCase> cases = {
      {"every target is created, the output goes to the last",
       {{"a.txt", "a"}, {"htm_out/", ""}},
       {"dir /b > htm_out\\f_01.txt > out_null.list"},
       "",
       "",
       {{"htm_out/f_01.txt", ""}, {"out_null.list", "a.txt\r\nhtm_out\r\nout_null.list\r\n"}}},
      {"> replaces, >> appends and creates",
       {{"a.txt", "old text\r\n"}},
       {"chcp > a.txt", "chcp >> a.txt", "chcp>>b.txt"},
       "",
       "",
       {{"a.txt", chcp + "\r\n" + chcp + "\r\n"}, {"b.txt", chcp + "\r\n"}}},
      {"a redirection writes into an existing file of another case",
       {{"Out_Null.List", "old"}},
       {"chcp > out_null.list"},
       "",
       "",
       {{"Out_Null.List", chcp + "\r\n"}},
       {"out_null.list"}},
      {"without redirection the console shows the lines",
       {},
       {"chcp", "chcp 65001"},
       chcp + "\n" + chcp + "\n"},
      {"a target in a missing folder stops the command",
       {{"a.txt", "a"}},
       {"del /q a.txt > nope\\x.txt"},
       "",
       "The system cannot find the path specified.\n",
       {{"a.txt", "a"}},
       {"nope"}},
      {"cd shows the working folder, cd .. changes nothing",
       {},
       {"cd", "cd ..", "cd > key.select.txt"},
       "{root}\n",
       "",
       {{"key.select.txt", "{root}\r\n"}}},
      {"cmd /c runs the rest of the line",
       {{"noext", ""}, {"a.txt", ""}, {"htm_in/", ""}},
       {"cmd /c dir /b *. > check_01.txt"},
       "",
       "",
       {{"check_01.txt", "htm_in\r\nnoext\r\n"}}},
      {"for runs its command once per matching file, with its redirection",
       {{"check_01.txt", "1"}, {"check_02.txt", "2"}, {"check_dir.txt/", ""}, {"keep.txt", "k"}},
       {"cmd /c for %i in (check_*.txt) do del /q %i >> out_null.txt"},
       "",
       "",
       {{"keep.txt", "k"}, {"out_null.txt", ""}},
       {"check_01.txt", "check_02.txt"}},
      {"for hands over each name whole: blanks and > stay inside the name",
       {{"check_a b.txt", "1"}, {"check_>b.txt", "2"}, {"b.txt", "k"}, {"check_a", "k"}},
       {"for %i in (check_*.txt) do del /q %i"},
       "",
       "",
       {{"b.txt", "k"}, {"check_a", "k"}},
       {"check_a b.txt", "check_>b.txt"}},
      {"for over a folder pattern names the files with their folder",
       {{"sub/x.txt", "1"}, {"sub/y.txt", "2"}},
       {"for %i in (sub\\*.txt) do find /c \"1\" %i >> counts.txt"},
       "",
       "",
       {{"counts.txt", "\r\n---------- SUB\\X.TXT: 1\r\n\r\n---------- SUB\\Y.TXT: 0\r\n"}}},
      {"& and | are plain characters, never a second command",
       {{"keep.txt", "k"}, {"a&b.txt", ""}},
       {"chcp & del /q keep.txt", "chcp | del /q keep.txt", "dir /b a&b.txt"},
       chcp + "\n" + chcp + "\na&b.txt\n",
       "",
       {{"keep.txt", "k"}}},
      {"quoted names may hold blanks",
       {{"my file.txt", "text"}},
       {"copy \"my file.txt\" \"other name.txt\"", "dir /b \"other name.txt\""},
       "        1 file(s) copied.\nother name.txt\n",
       "",
       {{"other name.txt", "text"}, {"my file.txt", "text"}}},
      {"command words and switches ignore case",
       {{"a.txt", ""}},
       {"DIR /B *.TXT", "Chcp"},
       "a.txt\n" + chcp + "\n"},
      {"an unknown command is reported and nothing runs",
       {},
       {"xcopy a b > out.txt"},
       "",
       "'xcopy' is not recognized as an internal or external command,\n"
       "operable program or batch file.\n",
       {},
       {"out.txt"}},
      {"malformed lines",
       {},
       {"dir >", "for %i in (a) del %i", "for %i in (a do del %i", "cmd dir", "copy", "rename a"},
       "",
       "The syntax of the command is incorrect.\n"
       "The syntax of the command is incorrect.\n"
       "The syntax of the command is incorrect.\n"
       "The syntax of the command is incorrect.\n"
       "The syntax of the command is incorrect.\n"
       "The syntax of the command is incorrect.\n"},
      {"an unknown switch", {}, {"dir /x"}, "", "Invalid switch - /x\n"},
  };
  for (const CommandCase& row : cases)
    check_case(row);
}

TEST(ShellInterpreter, FullListingGoesToTheLastTarget) {
  ShellFixture fixture;
  fixture.lay_out({{"htm_out/", ""}, {"a.txt", "abc"}});
  ConsoleText printed = fixture.run("dir > htm_out\\f_01.txt > out_null.list");
  EXPECT_EQ(printed.out, "");
  EXPECT_EQ(fixture.folder.read("htm_out/f_01.txt"), "");
  std::string listing = fixture.folder.read("out_null.list");
  EXPECT_NE(listing.find(" Directory of " + fixture.root_text() + "\r\n"), std::string::npos);
  EXPECT_NE(listing.find(" a.txt\r\n"), std::string::npos);
}

TEST(ShellInterpreter, TakesTheRootAsAnAbsolutePath) {
  TempFolder folder;
  std::FILE* sink = std::fopen("/dev/null", "w");
  {
    Console console(-1, sink, sink);
    std::filesystem::path relative = std::filesystem::relative(folder.path());
    Shell shell(relative.string() + "/", console);
    EXPECT_EQ(shell.root(), folder.path());
  }
  std::fclose(sink);
}

}  // namespace
}  // namespace docbase
