#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "platform/line_sort.h"
#include "platform/names.h"
#include "shell_fixture.h"
#include "words/record_file.h"

namespace docbase {
namespace {

const char* const kListing = "a.EXE\r\nb.txt\r\nc.exe\r\nwww.example.org.exe  x\r\n";
const char* const kRecords =
    "\"page_01.htm\",\"1\",\"id00000001\"\r\n\"page_01.htm\",\"2\",\"id00000002\"\n"
    "\"page_02.htm\",\"1\",\"ID00000001\"\r\"page_03.htm\",\"4\",\"id00000001\"";

TEST(ShellTextTools, FindAndFindstr) {
  const std::vector<CommandCase> cases = {
      {"find /i: an empty line, the header, the lines in any case",
       {{"check_01.txt", kListing}},
       {"cmd /c find /i \".exe\" check_01.txt >  check_02.txt"},
       "",
       "",
       {{"check_02.txt",
         "\r\n---------- CHECK_01.TXT\r\na.EXE\r\nc.exe\r\nwww.example.org.exe  x\r\n"}}},
      {"find counts case",
       {{"check_01.txt", kListing}},
       {"find \".EXE\" check_01.txt"},
       "\n---------- CHECK_01.TXT\na.EXE\n"},
      {"find /c: the header with the count, case counting",
       {{"wrd_11_1.txt", kRecords}},
       {"find /c \"id00000001\" wrd_11_1.txt > wrd_11_1_count.txt",
        "find /c /i \"id00000001\" wrd_11_1.txt", "find /c \"id09999999\" wrd_11_1.txt"},
       "\n---------- WRD_11_1.TXT: 3\n\n---------- WRD_11_1.TXT: 0\n",
       "",
       {{"wrd_11_1_count.txt", "\r\n---------- WRD_11_1.TXT: 2\r\n"}}},
      {"findstr: exactly the matching lines in file order",
       {{"wrd_03.txt", kRecords}},
       {"findstr \"id00000001\" wrd_03.txt > id00000001.txt"},
       "",
       "",
       {{"id00000001.txt",
         "\"page_01.htm\",\"1\",\"id00000001\"\r\n\"page_03.htm\",\"4\",\"id00000001\"\r\n"}}},
      {"findstr /i: no header",
       {{"check_01.txt", kListing}},
       {"cmd /c findstr /i \".exe\" check_01.txt > check_02.txt"},
       "",
       "",
       {{"check_02.txt", "a.EXE\r\nc.exe\r\nwww.example.org.exe  x\r\n"}}},
      {"search texts are literal",
       {{"f.txt", "abc\na.c\na*c\n"}},
       {"findstr \"a.c\" f.txt", "findstr \"a*c\" f.txt"},
       "a.c\na*c\n"},
      {"missing files",
       {},
       {"find \"x\" nope.txt", "findstr \"x\" nope.txt", "find /c \"x\""},
       "",
       "File not found - NOPE.TXT\nFINDSTR: Cannot open nope.txt\n"
       "The syntax of the command is incorrect.\n"},
  };
  for (const CommandCase& row : cases)
    check_case(row);
}

TEST(ShellSort, OrdersLinesAsLowerCaseThenBytewise) {
  const std::vector<CommandCase> cases = {
      {"letters as lower case, ties bytewise, every break read, CR LF written",
       {{"in.txt",
         "Zebra\r\napple\nApple\r\rb\r\n\xc3\xa9"
         "clair\r\napple_x\napple"}},
       {"sort in.txt /o out.txt"},
       "",
       "",
       {{"out.txt",
         "\r\nApple\r\napple\r\napple\r\napple_x\r\nb\r\nZebra\r\n\xc3\xa9"
         "clair\r\n"},
        {"in.txt",
         "Zebra\r\napple\nApple\r\rb\r\n\xc3\xa9"
         "clair\r\napple_x\napple"}}},
      {"onto its own input",
       {{"dir_02.txt", "b.htm\r\nA.htm\r\n"}},
       {"sort dir_02.txt /o dir_02.txt"},
       "",
       "",
       {{"dir_02.txt", "A.htm\r\nb.htm\r\n"}}},
      {"to the console", {{"in.txt", "b\na\n"}}, {"sort in.txt"}, "a\nb\n"},
      {"an empty input", {{"in.txt", ""}}, {"sort in.txt /o out.txt"}, "", "", {{"out.txt", ""}}},
      {"a missing input",
       {},
       {"sort nope.txt /o out.txt", "sort /o out.txt"},
       "",
       "The system cannot find the file specified.\nThe syntax of the command is incorrect.\n",
       {},
       {"out.txt"}},
  };
  for (const CommandCase& row : cases)
    check_case(row);
}

std::vector<std::string> random_lines(std::size_t count, unsigned seed) {
  std::mt19937 random(seed);
  const std::string letters = "aAbBzZ_09 \xc3\xa9";
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < count; ++i) {
    std::string line;
    for (std::size_t length = random() % 12; length > 0; --length)
      line.push_back(letters[random() % letters.size()]);
    lines.push_back(line);
  }
  return lines;
}

std::string as_file(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines)
    text += line + "\r\n";
  return text;
}

bool has_run_files(const std::filesystem::path& folder) {
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().filename().string().starts_with(".sort_run_")) return true;
  }
  return false;
}

// Inputs bigger than one run go through temporary files and one merge pass
// or, with a run per line, several; the result must not depend on the run size.
TEST(ShellSort, SortsInputsLargerThanOneRun) {
  std::vector<std::string> lines = random_lines(1000, 7);
  std::vector<std::string> sorted = lines;
  std::sort(sorted.begin(), sorted.end(),
            [](const std::string& a, const std::string& b) { return name_order_less(a, b); });
  for (std::size_t run_bytes : {std::size_t{1}, std::size_t{4000}, Shell::kSortRunBytes}) {
    SCOPED_TRACE(run_bytes);
    ShellFixture fixture(run_bytes);
    fixture.lay_out({{"wrd_11_1.txt", as_file(lines)}});
    ConsoleText printed = fixture.run("sort wrd_11_1.txt /o wrd_12_1.txt");
    EXPECT_EQ(printed.err, "");
    EXPECT_EQ(fixture.folder.read("wrd_12_1.txt"), as_file(sorted));
    EXPECT_FALSE(has_run_files(fixture.folder.path()));
  }
}

TEST(LineSorter, RemovesItsRunFilesWhenTheOutputFails) {
  TempFolder folder;
  folder.write("in.txt", as_file(random_lines(200, 3)));
  {
    LineSorter sorter(folder.path(), 64);
    ASSERT_TRUE(sorter.read(folder.path() / "in.txt"));
    EXPECT_TRUE(has_run_files(folder.path()));
    EXPECT_THROW(sorter.write([](std::string_view) { throw WriteError("out", "full"); }),
                 WriteError);
  }
  EXPECT_FALSE(has_run_files(folder.path()));
}

}  // namespace
}  // namespace docbase
