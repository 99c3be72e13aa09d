#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "platform/names.h"
#include "shell_fixture.h"
#include "words/bytes.h"

namespace docbase {
namespace {

const std::vector<std::pair<std::string, std::string>> kFolder = {
    {"a.txt", "a"},        {"B.TXT", "b"},         {"c.htm", "c"},        {"d.html", "d"},
    {"page_01.htm", "p"},  {"page_2.htm", "p"},    {"noext", ""},         {"Zeta", ""},
    {"htm_in/x.htm", "x"}, {"htm_in/y.html", "y"}, {"htm_in/z.txt", "z"}, {"htm_in/sub/w.htm", "w"},
};

CommandCase listing(std::string name, std::string line, std::string out, std::string err = "") {
  return {std::move(name), kFolder, {std::move(line)}, std::move(out), std::move(err)};
}

TEST(ShellDir, BareListingsMatchPatterns) {
  const std::vector<CommandCase> cases = {
      listing("extension, case ignored", "dir /b *.txt", "a.txt\nB.TXT\n"),
      listing("names without a dot, folders included", "dir /b *.", "htm_in\nnoext\nZeta\n"),
      listing("extension beginning with htm", "dir /b *.htm*",
              "c.htm\nd.html\npage_01.htm\npage_2.htm\n"),
      listing("one character", "dir /b page_?.htm", "page_2.htm\n"),
      listing("a folder part", "dir /b htm_in\\*.htm*", "x.htm\ny.html\n"),
      listing("every name of a folder", "dir /b htm_in\\*.*", "sub\nx.htm\ny.html\nz.txt\n"),
      listing("folder and pattern in another case", "dir /b HTM_IN\\*.TXT", "z.txt\n"),
      listing("a folder named alone", "dir /b htm_in", "sub\nx.htm\ny.html\nz.txt\n"),
      listing("no pattern", "dir /b",
              "a.txt\nB.TXT\nc.htm\nd.html\nhtm_in\nnoext\npage_01.htm\npage_2.htm\nZeta\n"),
      listing("recursive full paths", "dir /b /s htm_in\\*.*",
              "{root}/htm_in/sub\n{root}/htm_in/x.htm\n{root}/htm_in/y.html\n{root}/htm_in/z.txt\n"
              "{root}/htm_in/sub/w.htm\n"),
      listing("recursive with a pattern", "dir /s /b htm_in\\*.htm",
              "{root}/htm_in/x.htm\n{root}/htm_in/sub/w.htm\n"),
      listing("nothing matches", "dir /b *.list", "", "File Not Found\n"),
      listing("a missing folder", "dir /b nope\\*.*", "", "File Not Found\n"),
      listing("a recursive listing of nothing", "dir /b /s nope\\*.*", "", "File Not Found\n"),
  };
  for (const CommandCase& row : cases)
    check_case(row);
}

TEST(ShellDir, ListingFileIsEmptiedWhenNothingMatchesAndListsItself) {
  check_case({"emptied",
              {{"dir_01.txt", "stale\r\n"}},
              {"dir /b *.list > dir_01.txt"},
              "",
              "File Not Found\n",
              {{"dir_01.txt", ""}}});
  check_case({"lists itself",
              {{"a.txt", ""}},
              {"dir /b *.txt > dir_01.txt"},
              "",
              "",
              {{"dir_01.txt", "a.txt\r\ndir_01.txt\r\n"}}});
}

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);)
    lines.push_back(line);
  return lines;
}

TEST(ShellDir, FullListingHasTheOriginalShape) {
  ShellFixture fixture;
  fixture.lay_out({{"big.txt", std::string(1234567, 'x')}, {"htm_in/", ""}, {"e.txt", ""}});
  std::vector<std::string> lines = lines_of(fixture.run("dir").out);
  ASSERT_EQ(lines.size(), 12u);
  EXPECT_EQ(lines[0], " Volume in drive C has no label.");
  EXPECT_EQ(lines[1], " Volume Serial Number is 0000-0000");
  EXPECT_EQ(lines[2], "");
  EXPECT_EQ(lines[3], " Directory of " + fixture.root_text());
  EXPECT_EQ(lines[4], "");
  const std::string stamp = R"(\d\d/\d\d/\d{4}  \d\d:\d\d [AP]M)";
  const std::string folder = stamp + "    <DIR>          ";
  EXPECT_TRUE(std::regex_match(lines[5], std::regex(folder + R"(\.)"))) << lines[5];
  EXPECT_TRUE(std::regex_match(lines[6], std::regex(folder + R"(\.\.)"))) << lines[6];
  EXPECT_TRUE(std::regex_match(lines[7], std::regex(stamp + "         1,234,567 big.txt")))
      << lines[7];
  EXPECT_TRUE(std::regex_match(lines[8], std::regex(stamp + "                 0 e.txt")))
      << lines[8];
  EXPECT_TRUE(std::regex_match(lines[9], std::regex(folder + "htm_in"))) << lines[9];
  EXPECT_EQ(lines[10], "               2 File(s)      1,234,567 bytes");
  EXPECT_TRUE(std::regex_match(lines[11], std::regex(R"( {15}3 Dir\(s\) +[\d,]+ bytes free)")))
      << lines[11];
}

TEST(ShellDir, FullListingOfNamesWithoutADotServesTheFolderProbe) {
  ShellFixture fixture;
  fixture.lay_out({{"HTM_In/", ""}, {"a.txt", ""}, {"readme", "r"}});
  fixture.run("dir *. > dir_cur.txt");
  std::vector<std::string> lines = lines_of(fixture.folder.read("dir_cur.txt"));
  bool probe = false;
  for (const std::string& line : lines) {
    EXPECT_TRUE(line.empty() || line.back() == '\r');
    EXPECT_EQ(line.find("a.txt"), std::string::npos);
    probe = probe || contains(to_lower(line), "<dir>          htm_in");
  }
  EXPECT_TRUE(probe);
  EXPECT_GE(lines.size(), 9u);
}

TEST(ShellDir, FullListingOfNothingStillNamesTheFolder) {
  ShellFixture fixture;
  ConsoleText printed = fixture.run("dir *.list");
  EXPECT_EQ(printed.err, "File Not Found\n");
  EXPECT_NE(printed.out.find(" Directory of " + fixture.root_text() + "\n"), std::string::npos);
}

TEST(ShellDir, RecursiveFullListingTotalsEveryFolder) {
  ShellFixture fixture;
  fixture.lay_out({{"htm_in/a.htm", "12"}, {"htm_in/sub/b.htm", "345"}});
  std::string out = fixture.run("dir /s htm_in\\*.htm").out;
  EXPECT_NE(out.find(" Directory of " + fixture.root_text() + "/htm_in\n"), std::string::npos);
  EXPECT_NE(out.find(" Directory of " + fixture.root_text() + "/htm_in/sub\n"), std::string::npos);
  EXPECT_NE(out.find("     Total Files Listed:\n               2 File(s)              5 bytes\n"),
            std::string::npos)
      << out;
}

// The program lower-cases the lines of a recursive listing and deletes the
// files they name: each must lead back to its file whatever the case of the
// working folder's own path.
TEST(ShellDir, LowerCasedFullPathsLeadBackToTheFiles) {
  ShellFixture fixture;
  fixture.lay_out({{"Htm_Wrk/Report.HTM", "r"}, {"Htm_Wrk/Sub/Notes.htm", "n"}});
  ASSERT_NE(fixture.root_text(), to_lower(fixture.root_text()));
  fixture.run("dir /b /s htm_wrk\\*.* > dir_01.txt");
  std::vector<std::string> lines = lines_of(fixture.folder.read("dir_01.txt"));
  ASSERT_EQ(lines.size(), 3u);
  for (std::string line : lines) {
    line.pop_back();  // the CR
    auto path = resolve_name(fixture.shell.root(), to_lower(line), Access::kWrite);
    ASSERT_TRUE(path) << line;
    EXPECT_TRUE(std::filesystem::exists(*path)) << line;
  }
}

}  // namespace
}  // namespace docbase
