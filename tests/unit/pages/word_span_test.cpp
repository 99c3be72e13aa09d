#include "pages/word_span.h"

#include <gtest/gtest.h>

#include "support/shell_run.h"
#include "unit/pages/pages_test_support.h"

namespace docbase {
namespace {

class WordSpan : public ::testing::Test {
 protected:
  // The lines written for the occurrences, with the id files as given.
  std::string written(const std::vector<OccurrenceRecord>& occurrences, bool find_word = true) {
    LastOccurrences last_occurrences;
    for (const OccurrenceRecord& o : occurrences)
      last_occurrences.need(o.word_id, o.page);
    last_occurrences.count(shell_run.run);
    {
      LineWriter out(shell_run.folder.path() / "out.htm");
      for (const OccurrenceRecord& o : occurrences)
        write_occurrence(out, o, 1, find_word, last_occurrences);
    }
    return shell_run.folder.read("out.htm");
  }
  // An id file whose lines hold these pages, one line each.
  void id_file(const std::string& id, std::initializer_list<std::string_view> pages) {
    std::string text;
    for (std::string_view page : pages)
      text += records_text({{page, line_field(8), position_field(5), "word", id}});
    shell_run.folder.write(id + ".txt", text);
  }
  ShellRun shell_run;
};

OccurrenceRecord apple(const std::string& number, const std::string& next) {
  return {"page_02.htm", line_field(8), position_field(5), "Apple", "id00000123", number, next};
}

const char kAppleSpan[] =
    "<span id=\"id00000123\" type = \"text/javascript\"ondblclick = "
    "\"window.open('page_02.htm#id00000123'); window.event.cancelbubble = true;\">Apple</span>";

TEST_F(WordSpan, WritesTheExampleLinesOfAnOccurrenceWithALaterOneOnThePage) {
  LineWriter out(shell_run.folder.path() / "out.htm");
  write_word_span(out, apple("5", "page_03.htm"));
  write_link_group(out, apple("5", "page_03.htm"), 1, 6);
  write_word_span(out, apple("6", ""));
  write_link_group(out, apple("6", ""), 1, 6);
  out.close();
  EXPECT_EQ(shell_run.folder.read("out.htm"),
            lines_text(
                {kAppleSpan, "<span hidden id=\"id00000123\">",
                 "(5)(<a href=\"#id00000123_6\">&gt;</a>,", "<a href=\"i_1.htm#id00000123\">i</a>,",
                 "<a href=\"s_1.htm#id00000123_5\">s</a>,", "<a href=\"files_list.htm\">c</a>,",
                 "<a href=\"page_03.htm#id00000123\">&gt;&gt;)</a></span>",
                 "<span id=\"id00000123_5\"></span>", kAppleSpan, "<span hidden id=\"id00000123\">",
                 "(6)(<a href=\"#id00000123_6\"></a>", "<a href=\"i_1.htm#id00000123\">i</a>,",
                 "<a href=\"s_1.htm#id00000123_6\">s</a>,",
                 "<a href=\"files_list.htm\">c)</a></span>", "<span id=\"id00000123_6\"></span>"}));
}

// The occurrence-number line of each link group written.
std::vector<std::string> number_lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t at = 0;
  while ((at = text.find("\r\n(", at)) != std::string::npos) {
    at += 2;
    lines.push_back(text.substr(at, text.find("\r\n", at) - at));
  }
  return lines;
}

TEST_F(WordSpan, LinksEachOccurrenceToTheNextOnItsPageUpToTheLast) {
  id_file("id00000123", {"page_01.htm", "page_01.htm", "page_01.htm", "page_02.htm", "page_02.htm",
                         "page_02.htm", "page_03.htm"});
  std::string text = written({apple("4", ""), apple("5", ""), apple("6", "")});
  EXPECT_EQ(number_lines(text), (std::vector<std::string>{"(4)(<a href=\"#id00000123_5\">&gt;</a>,",
                                                          "(5)(<a href=\"#id00000123_6\">&gt;</a>,",
                                                          "(6)(<a href=\"#id00000123_6\"></a>"}));
}

TEST_F(WordSpan, GivesASingleOccurrenceTheEmptyLinkWhateverItsNumber) {
  id_file("id00000123", {"page_01.htm", "page_01.htm", "page_02.htm"});
  EXPECT_EQ(number_lines(written({apple("3", "")})),
            std::vector<std::string>{"(3)(<a href=\"#id00000123_3\"></a>"});
}

TEST_F(WordSpan, GivesEveryOccurrenceTheEmptyLinkWithoutAnIdFile) {
  EXPECT_EQ(number_lines(written({apple("1", "")})),
            std::vector<std::string>{"(1)(<a href=\"#id00000123_1\"></a>"});
}

TEST_F(WordSpan, WritesOnlyTheSpanForPagesListOrWithFindWordOff) {
  struct Case {
    const char* word;
    bool find_word;
    bool link_group;
  };
  const Case cases[] = {{"Pages_list", true, false},
                        {"pages_list", true, true},
                        {"PAGES_LIST", true, true},
                        {"Apple", false, false},
                        {"Apple", true, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.word) + (c.find_word ? " on" : " off"));
    OccurrenceRecord o = apple("1", "page_03.htm");
    o.word = c.word;
    std::string text = written({o}, c.find_word);
    std::string span =
        std::string(kAppleSpan).replace(std::string(kAppleSpan).find(">Apple<") + 1, 5, c.word);
    EXPECT_EQ(text.substr(0, span.size() + 2), span + "\r\n");
    EXPECT_EQ(text.size() > span.size() + 2, c.link_group);
    EXPECT_EQ(text.find("<span id=\"id00000123_1\"></span>") != std::string::npos, c.link_group);
  }
}

}  // namespace
}  // namespace docbase
