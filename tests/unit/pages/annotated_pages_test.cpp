#include "pages/annotated_pages.h"

#include <gtest/gtest.h>

#include "pages/annotated_page_writer.h"
#include "support/program_run.h"
#include "support/shell_run.h"
#include "unit/pages/pages_test_support.h"

namespace docbase {
namespace {

const std::filesystem::path kFixture = std::filesystem::path(DOCBASE_FIXTURES) / "pages/annotated";

TEST(BodyStart, PassesAtABodyTagOnly) {
  struct Case {
    const char* line;
    bool passes;
  };
  const Case cases[] = {
      {"<br><body>", true},
      {"<BR><BODY>", true},
      {"<body bgcolor=white>", true},
      {"<  body>", true},
      {"<br></body>", false},
      {"<br>  body", false},
      {"<p>body<br>", false},
      {"text body <b>", false},
      {"nobody <x>", false},
      {"<br>", false},
      {"", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(starts_body(c.line), c.passes);
  }
}

TEST(WorkFileName, ReplacesTheExtensionFromTheFirstHtm) {
  EXPECT_EQ(work_file_name("page_03.htm"), "page_03_02.htm");
  EXPECT_EQ(work_file_name("page_03.html"), "page_03_02.htm");
  EXPECT_EQ(work_file_name("a.htm.htm"), "a_02.htm");
  EXPECT_EQ(work_file_name("plain"), "plain_02.htm");
}

class AnnotatedPages : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const auto& entry : std::filesystem::directory_iterator(kFixture)) {
      if (entry.is_regular_file()) {
        std::filesystem::copy_file(entry.path(), shell_run.folder.path() / entry.path().filename());
      }
    }
    shell_run.run.group_count = 2;
  }
  std::string expected(const std::string& name) { return read_file(kFixture / "expected" / name); }
  ShellRun shell_run;
};

TEST_F(AnnotatedPages, WritesTheFixturePagesByteForByte) {
  annotate_group(shell_run.run, 1);
  EXPECT_EQ(shell_run.run.before_page, "page_01.htm");
  annotate_group(shell_run.run, 2);
  for (const char* name : {"page_01_02.htm", "page_02_02.htm", "page_03_02.htm"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(shell_run.folder.read(name), expected(name));
  }
  EXPECT_EQ(shell_run.run.before_page, "page_02.htm");
}

TEST_F(AnnotatedPages, CopiesEachFinishedPageOverTheNumberedPage) {
  annotate_group(shell_run.run, 1);
  annotate_group(shell_run.run, 2);
  for (const char* name : {"page_01", "page_02", "page_03"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(shell_run.folder.read(std::string(name) + ".htm"),
              expected(std::string(name) + "_02.htm"));
  }
}

// Everything but the display rule and the link groups stays with find word off.
std::string without_link_groups(const std::string& text) {
  const char* dropped[] = {"<span hidden id=",
                           "(",
                           "<a href=\"i_",
                           "<a href=\"s_",
                           "<a href=\"files_list.htm\">c",
                           "document.writeln(self.location.hash + \" { display: inline"};
  std::string kept;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t end = text.find("\r\n", at) + 2;
    std::string_view line(text.data() + at, end - at);
    bool drop = false;
    for (std::string_view start : dropped)
      drop = drop || line.starts_with(start);
    drop = drop || (line.starts_with("<a href=\"page_") && line.find("#id") != std::string::npos);
    drop = drop || (line.starts_with("<span id=\"id") && line.ends_with("\"></span>\r\n"));
    if (!drop) kept += line;
    at = end;
  }
  return kept;
}

TEST_F(AnnotatedPages, LeavesOutTheDisplayRuleAndTheLinkGroupsWithFindWordOff) {
  shell_run.run.find_word = false;
  annotate_group(shell_run.run, 1);
  std::string page = shell_run.folder.read("page_01_02.htm");
  EXPECT_EQ(page, without_link_groups(expected("page_01_02.htm")));
  EXPECT_EQ(page.find("display: inline"), std::string::npos);
  EXPECT_EQ(page.find("<span hidden"), std::string::npos);
}

TEST_F(AnnotatedPages, AnEmptyGroupWritesNothing) {
  shell_run.folder.write("wrd_24_2.txt", "");
  shell_run.run.before_page = "page_02.htm";
  annotate_group(shell_run.run, 2);
  EXPECT_FALSE(shell_run.folder.exists("page_03_02.htm"));
  EXPECT_EQ(shell_run.run.before_page, "page_02.htm");
}

// A page whose only word stands in its title meets its body line only while
// it is finished: no script, no top links, and the bottom links of a group
// end take the Before page left by the group before and the group's empty Next.
TEST_F(AnnotatedPages, APageWithoutBodyWordsUsesTheLinksAsTheyStand) {
  shell_run.folder.write("wrd_24_2.txt",
                         records_text({{"page_03.htm", line_field(4), position_field(5),
                                        "htm_wrk\\gamma.htm", "id00000008", "1", ""}}));
  annotate_group(shell_run.run, 1);
  annotate_group(shell_run.run, 2);
  std::string page = shell_run.folder.read("page_03_02.htm");
  const std::string tail =
      lines_text({"<br><body>", "<br>Apple", "<br>", "<a href=\"page_01.htm\"> Before </a> ",
                  "<a href=\"files_list.htm\"> Content </a><br>", "<br></body>", "<br></html>"});
  EXPECT_EQ(page.find("<script"), std::string::npos);
  ASSERT_GE(page.size(), tail.size());
  EXPECT_EQ(page.substr(page.size() - tail.size()), tail);
  EXPECT_EQ(page.substr(0, 2), "\r\n");
}

std::string span_and_group(const std::string& page, const std::string& word, const std::string& id,
                           int number) {
  std::string n = std::to_string(number);
  return lines_text(
      {"<span id=\"" + id + "\" type = \"text/javascript\"ondblclick = \"window.open('" + page +
           "#" + id + "'); window.event.cancelbubble = true;\">" + word + "</span>",
       "<span hidden id=\"" + id + "\">", "(" + n + ")(<a href=\"#" + id + "_" + n + "\"></a>",
       "<a href=\"i_1.htm#" + id + "\">i</a>,", "<a href=\"s_1.htm#" + id + "_" + n + "\">s</a>,",
       "<a href=\"files_list.htm\">c)</a></span>", "<span id=\"" + id + "_" + n + "\"></span>"});
}

TEST(AnnotatedPage, WritesEmptyLinesForARecordBeyondThePagesEnd) {
  ShellRun shell_run;
  shell_run.folder.write("page_05.htm", lines_text({"<br>one", "<br>two"}));
  shell_run.folder.write("wrd_24_1.txt",
                         records_text({{"page_05.htm", line_field(5), position_field(5), "ghost",
                                        "id00000001", "1", ""}}));
  annotate_group(shell_run.run, 1);
  EXPECT_EQ(shell_run.folder.read("page_05_02.htm"),
            lines_text({"", "<br>one", "<br>two", "", "", ""}) +
                span_and_group("page_05.htm", "ghost", "id00000001", 1) + lines_text({""}));
}

// Overlapping words: the fragment between them is empty, and the rest of the
// line starts after the furthest word end, so no byte is written twice.
TEST(AnnotatedPage, ClampsTheFragmentsOfOverlappingWords) {
  struct Case {
    const char* name;
    int second_position;
    const char* second_word;
    const char* between;
    const char* rest;
  };
  const Case cases[] = {
      {"the second word runs past the first", 7, "cdefg", "", "h"},
      {"the second word lies inside the first", 6, "bcd", "", "fgh"},
      {"the second word lies beyond the line", 40, "zzz", "fgh", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ShellRun shell_run;
    shell_run.folder.write("page_01.htm", lines_text({"<br>abcdefgh"}));
    shell_run.folder.write(
        "wrd_24_1.txt",
        records_text(
            {{"page_01.htm", line_field(1), position_field(5), "abcde", "id00000001", "1", ""},
             {"page_01.htm", line_field(1), position_field(c.second_position), c.second_word,
              "id00000002", "1", ""}}));
    annotate_group(shell_run.run, 1);
    EXPECT_EQ(shell_run.folder.read("page_01_02.htm"),
              lines_text({"", "<br>"}) + span_and_group("page_01.htm", "abcde", "id00000001", 1) +
                  lines_text({c.between}) +
                  span_and_group("page_01.htm", c.second_word, "id00000002", 1) +
                  lines_text({c.rest}));
  }
}

}  // namespace
}  // namespace docbase
