#include "words/line_filter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "words/bytes.h"

namespace docbase {
namespace {

struct FilteredLine {
  const char* line;
  bool passed_over;
};

// Runs a page's lines through one filter, in order, as the extraction does.
void expect_filtered(const std::vector<FilteredLine>& page) {
  LineFilter filter;
  for (const FilteredLine& line : page) {
    SCOPED_TRACE(line.line);
    EXPECT_EQ(filter.passes_over(line.line, to_lower(line.line)), line.passed_over);
  }
}

TEST(LineFilter, PassesOverScriptBlocksFromOpeningToClosingLine) {
  expect_filtered({{"<br>before", false},
                   {"<br><script>", true},
                   {"<br>var x = 1;", true},
                   {"<br></script>", true},
                   {"<br>after", false}});
}

TEST(LineFilter, PassesOverAOneLineBlockAlone) {
  expect_filtered({{"<br><script>x()</script>", true},
                   {"<br>after", false},
                   {"<br><style>p {}</style>", true},
                   {"<br>after", false}});
}

TEST(LineFilter, ScriptTagsMatchInLowerCaseOnly) {
  expect_filtered({{"<br><SCRIPT>", false}, {"<br>text", false}, {"<br></SCRIPT>", false}});
}

TEST(LineFilter, StyleTagsMatchInAnyCase) {
  expect_filtered(
      {{"<br><STYLE>", true}, {"<br>p { }", true}, {"<br></Style>", true}, {"<br>after", false}});
}

TEST(LineFilter, AStyleAttributeNeverOpensAStyleBlock) {
  expect_filtered({{"<br><p style=\"x\"><style>", false}, {"<br>text", false}});
}

TEST(LineFilter, BlanksBetweenTheBracketAndTheKeywordStillOpen) {
  expect_filtered({{"<br>< script src=x>", true}, {"<br>inside", true}, {"<br></script>", true}});
  expect_filtered({{"<br>manu script", false}, {"<br>Manuscript <b>", false}});
}

TEST(LineFilter, AnUnclosedBlockEndsWithItsPage) {
  LineFilter filter;
  EXPECT_TRUE(filter.passes_over("<br><script>", "<br><script>"));
  filter.reset();
  EXPECT_FALSE(filter.passes_over("<br>next page", "<br>next page"));
}

TEST(LineFilter, PassesOverLinesLinkingPastPage2000) {
  struct Case {
    const char* line;
    bool passed_over;
  } cases[] = {
      {"<br><a href=\"#2500\">x</a>", true},
      {"<br><a href=\"#2000\">x</a>", false},
      {"<br><a href=\"#2001\">x</a>", true},
      {"<br><A HREF=\"#3000\">x</A>", true},
      {"<br><a href =\"#2500\">x</a>", true},
      {"<br><a href =\"#12\">x</a>", false},
      {"<br><a href=\"#12\">two words</a> <a href=\"#2500\">", false},
      {"<br><a href=\"page.htm\">x</a>", false},
      {"<br>href=", false},
      {"<br>look_at: <a href=\"#3\">x</a>", true},
      {"<br><a href=\"#3\">look_at:</a>", false},
      {"<br>LOOK_AT: <a href =\"#3\">x</a>", true},
      {"<br>look_at: nothing linked", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    LineFilter filter;
    EXPECT_EQ(filter.passes_over(c.line, to_lower(c.line)), c.passed_over);
  }
}

}  // namespace
}  // namespace docbase
