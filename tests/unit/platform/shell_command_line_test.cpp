#include <gtest/gtest.h>

#include "platform/command_line.h"

namespace docbase {
namespace {

TEST(CommandLineParsing, SplitsWordsAndRedirections) {
  struct Case {
    const char* line;
    std::vector<std::string> words;
    std::vector<std::pair<std::string, bool>> redirections;  // target, append
  };
  const Case cases[] = {
      {"dir /b  txt_in\\*.txt > txt_file.txt",
       {"dir", "/b", "txt_in\\*.txt"},
       {{"txt_file.txt", false}}},
      {"dir /b txt_in\\*.txt  > txt_file.list",
       {"dir", "/b", "txt_in\\*.txt"},
       {{"txt_file.list", false}}},
      {"dir>x.txt", {"dir"}, {{"x.txt", false}}},
      {"del /q %i >> out_null.txt", {"del", "/q", "%i"}, {{"out_null.txt", true}}},
      {"chcp>>a.txt", {"chcp"}, {{"a.txt", true}}},
      {"dir > htm_out\\f_01.txt > out_null.list",
       {"dir"},
       {{"htm_out\\f_01.txt", false}, {"out_null.list", false}}},
      {"rename \"txt_wrk\\my report.txt\" my_report.txt",
       {"rename", "txt_wrk\\my report.txt", "my_report.txt"},
       {}},
      {"find /c \"id00000007\" wrd_11_1.txt > wrd_11_1_count.txt",
       {"find", "/c", "id00000007", "wrd_11_1.txt"},
       {{"wrd_11_1_count.txt", false}}},
      {"find \"a > b\" x.txt", {"find", "a > b", "x.txt"}, {}},
      {"copy a.txt > \"out file.list\"", {"copy", "a.txt"}, {{"out file.list", false}}},
      {"md \"\"", {"md", ""}, {}},
      {"  chcp  ", {"chcp"}, {}},
      {"", {}, {}},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(row.line);
    auto parsed = parse_command_line(row.line);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->words, row.words);
    ASSERT_EQ(parsed->redirections.size(), row.redirections.size());
    for (std::size_t i = 0; i < row.redirections.size(); ++i) {
      EXPECT_EQ(parsed->redirections[i].target, row.redirections[i].first);
      EXPECT_EQ(parsed->redirections[i].append, row.redirections[i].second);
    }
  }
}

TEST(CommandLineParsing, RefusesARedirectionWithoutTarget) {
  for (const char* line : {"dir >", "dir > ", "dir >>", "dir > > x", "dir > \"\""}) {
    SCOPED_TRACE(line);
    EXPECT_FALSE(parse_command_line(line));
  }
}

}  // namespace
}  // namespace docbase
