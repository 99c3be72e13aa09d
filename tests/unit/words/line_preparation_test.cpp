#include "words/line_preparation.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace docbase {
namespace {

struct Case {
  const char* name;
  std::string line;
  bool table_before;
  std::optional<std::string> prepared;  // nullopt: the line is dropped
  bool table_after;
};

TEST(PrepareLine, FollowsEveryLineRuleInOrder) {
  const std::vector<Case> cases = {
      {"empty line", "", false, "<br>", false},
      {"blank-only line", "    ", false, "<br>", false},
      {"plain text", "Hello world", false, "<br>Hello world", false},
      {"trailing blanks removed", "text   ", false, "<br>text", false},
      {"leading blanks marked and kept", "   x", false, "<br>&nbsp;&nbsp;&nbsp;   x", false},
      {"line already beginning with <br>", "<br> More info", false, "<br> More info", false},
      {"marked blanks hide a later <br>", "  <br>x", false, "<br>&nbsp;&nbsp;  <br>x", false},
      {"<BR> in capitals is not <br>", "<BR>x", false, "<br><BR>x", false},
      {"leading tab is no blank and is removed", "\tTabbed", false, "<br>Tabbed", false},
      {"a tab before <br> hides it", "\t<br>x", false, "<br><br>x", false},
      {"bytes below 16 removed anywhere",
       "a\x01"
       "b\x0f"
       "c\x10"
       "d",
       false,
       "<br>abc\x10"
       "d",
       false},
      {"bytes from 128 kept", "caf\xc3\xa9", false, "<br>caf\xc3\xa9", false},
      {"markup and entities unchanged", "a < b & c > d", false, "<br>a < b & c > d", false},
      {"<pre> line dropped", "<pre>", false, std::nullopt, false},
      {"<pre> anywhere drops the line", "see <pre> here", false, std::nullopt, false},
      {"indented </pre> dropped", "   </pre>   ", false, std::nullopt, false},
      {"</pre> with more text kept", "</pre> x", false, "<br></pre> x", false},
      {"<PRE> in capitals kept", "<PRE>", false, "<br><PRE>", false},
      {"<pre> dropped inside a table too", "<pre>", true, std::nullopt, true},
      {"table opens: verbatim", "<table border=1>\t", false, "<table border=1>\t", true},
      {"table opens in capitals", "  <TABLE Border=1>  ", false, "  <TABLE Border=1>", true},
      {"<table without blank opens nothing", "<table>", false, "<br><table>", false},
      {"<table at the line end opens nothing", "x <table ", false, "<br>x <table", false},
      {"inside a table: verbatim, low bytes kept", "  <tr>\x01</tr>  ", true, "  <tr>\x01</tr>",
       true},
      {"inside a table: empty line stays empty", "", true, "", true},
      {"closing line is prepared normally", " </table>\t", true, "<br>&nbsp; </table>", false},
      {"</TABLE in capitals closes", "</TABLE>", true, "<br></TABLE>", false},
      {"open and close on one line", "<table x></table>", false, "<br><table x></table>", false},
      {"close then open on one line", "</table><table x>", true, "<br></table><table x>", false},
      {"close without a table", "</table>", false, "<br></table>", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TableState table{c.table_before};
    EXPECT_EQ(prepare_line(c.line, table), c.prepared);
    EXPECT_EQ(table.on, c.table_after);
  }
}

TEST(PrepareLine, PreparesAVeryLongLineWhole) {
  std::string line(1 << 22, 'x');
  line.insert(0, "  ");
  line += "<table";
  TableState table;
  auto prepared = prepare_line(line, table);
  ASSERT_TRUE(prepared);
  EXPECT_EQ(prepared->size(), 4 + 12 + line.size());
  EXPECT_EQ(prepared->substr(0, 16), "<br>&nbsp;&nbsp;");
  EXPECT_FALSE(table.on);
}

}  // namespace
}  // namespace docbase
