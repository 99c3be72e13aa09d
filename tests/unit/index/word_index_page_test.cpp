#include "index/word_index_page.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "page_test_support.h"

namespace docbase {
namespace {

constexpr std::string_view kContentLine =
    "<a href=\"files_list.htm\"> Content </a><br>\r\n<br>\r\n";
constexpr std::string_view kPromotionStart = "<br>\r\n<br> <b> PROMOTE YOUR BRAND";

// A record of wrd_14_[G].txt.
std::string occurrence(std::string_view id, std::string_view page, std::string_view word,
                       std::string_view occurrence_number) {
  return record({id, page, "        11", "     5", word, id, occurrence_number});
}

class WordIndexPageTest : public ::testing::Test {
 protected:
  std::string write_page(long long group, const std::string& words) {
    std::string name = std::to_string(group);
    pages.folder.write("wrd_14_" + name + ".txt", words);
    write_word_index_page(pages.run, group);
    return masked_clock(pages.folder.read("i_" + name + ".htm"));
  }
  // What follows the Content line, before the closing lines.
  std::string entries(long long group, const std::string& words) {
    return between(write_page(group, words), kContentLine, "</body>\r\n</html>\r\n");
  }

  PageRun pages;
};

TEST_F(WordIndexPageTest, SingleRunGivesOnlyTheLastEntryLine) {
  std::string words = occurrence("id00000007", "page_02.htm", "Hello", "1") +
                      occurrence("id00000007", "page_02.htm", "Hello", "2");
  EXPECT_EQ(write_page(1, words), index_fixture("i_single_run.htm"));
  EXPECT_EQ(pages.run.entry_counter, 0);
}

TEST_F(WordIndexPageTest, EmptyWordFileGivesAnEmptyLastEntry) {
  EXPECT_EQ(entries(1, ""), "<a href=\"#\" id=\"\"></a>&nbsp;&nbsp;&nbsp; (, 0)<br>\r\n");
}

TEST_F(WordIndexPageTest, MissingWordFileReadsAsEmpty) {
  write_word_index_page(pages.run, 3);
  EXPECT_EQ(between(masked_clock(pages.folder.read("i_3.htm")), kContentLine, "</body>"),
            "<a href=\"#\" id=\"\"></a>&nbsp;&nbsp;&nbsp; (, 0)<br>\r\n");
}

TEST_F(WordIndexPageTest, WordOnTwoPagesGetsOneEntryPerPage) {
  struct Case {
    std::string target_site;
    std::string search_line;
  };
  const std::vector<Case> cases = {
      {"www.example.org",
       "&nbsp;&nbsp; <a href=\"http://www.google.com/search?q=Hello site:www.example.org\"> "
       "www.example.org</a>\r\n"},
      {"", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("target site '" + c.target_site + "'");
    pages.run.target_site = c.target_site;
    pages.run.entry_counter = 0;
    std::string words = occurrence("id00000007", "page_02.htm", "Hello", "4") +
                        occurrence("id00000007", "page_02.htm", "hello", "5") +
                        occurrence("id00000007", "page_02.htm", "HELLO", "6") +
                        occurrence("id00000007", "page_03.htm", "hello", "7");
    EXPECT_EQ(entries(2, words),
              "<br>\r\n"
              "<a href=\"page_02.htm#id00000007\" id=\"id00000007\">Hello</a>"
              "&nbsp;&nbsp;&nbsp; (page_02.htm, 3)\r\n"
              "&nbsp;&nbsp;<a href=\"s_2.htm#id00000007_4\">s_2</a>\r\n"
              "&nbsp;&nbsp;<a href=\"index.htm#id00000007\"> index</a>\r\n"
              "&nbsp;&nbsp;<a href=\"files_list.htm#page_02.htm\"> Content </a>\r\n" +
                  c.search_line +
                  "<a href=\"page_03.htm#id00000007\" id=\"id00000007\">hello</a>"
                  "&nbsp;&nbsp;&nbsp; (page_03.htm, 1)<br>\r\n");
    EXPECT_EQ(pages.run.entry_counter, 1);
  }
}

TEST_F(WordIndexPageTest, RunsAreSplitByWordIdAndByPage) {
  std::string words = occurrence("id00000001", "page_02.htm", "abc", "1") +
                      occurrence("id00000002", "page_02.htm", "abd", "1") +
                      occurrence("id00000002", "page_02.htm", "abd", "2") +
                      occurrence("id00000002", "page_03.htm", "abd", "3") +
                      occurrence("id00000003", "page_03.htm", "abe", "1");
  std::string text = entries(1, words);
  EXPECT_EQ(occurrences(text, "(page_02.htm, 1)\r\n"), 1);
  EXPECT_EQ(occurrences(text, "(page_02.htm, 2)\r\n"), 1);
  EXPECT_EQ(occurrences(text, "(page_03.htm, 1)\r\n"), 1);
  EXPECT_EQ(occurrences(text, ">abe</a>&nbsp;&nbsp;&nbsp; (page_03.htm, 1)<br>\r\n"), 1);
  EXPECT_EQ(pages.run.entry_counter, 3);
}

// Entry numbers (1-based, over the page) after which a promotional block stands.
std::vector<int> entries_followed_by_promotion(std::string_view text) {
  std::vector<int> positions;
  int entry = 0;
  for (std::size_t at = 0; at != std::string_view::npos;) {
    std::string_view rest = text.substr(at);
    if (rest.starts_with(kPromotionStart)) positions.push_back(entry);
    if (rest.starts_with("<a href=\"page_")) ++entry;
    std::size_t end = rest.find("\r\n");
    at = end == std::string_view::npos ? end : at + end + 2;
  }
  return positions;
}

std::string numbered_runs(int runs) {
  std::string words;
  for (int i = 1; i <= runs; ++i) {
    std::string id = "id" + std::string(8 - std::to_string(i).size(), '0') + std::to_string(i);
    words += occurrence(id, "page_02.htm", "word" + std::to_string(i), "1");
  }
  return words;
}

TEST_F(WordIndexPageTest, PromotionFollowsEvery101stEntryOverTheWholeRun) {
  std::string group_1 = entries(1, numbered_runs(250));
  EXPECT_EQ(entries_followed_by_promotion(group_1), (std::vector<int>{101, 202}));
  EXPECT_EQ(pages.run.entry_counter, 47);
  std::string group_2 = entries(2, numbered_runs(60));
  EXPECT_EQ(entries_followed_by_promotion(group_2), (std::vector<int>{54}));
  EXPECT_EQ(pages.run.entry_counter, 5);

  std::string after_entry_101 = "q=word101 site:www.example.org\"> www.example.org</a>\r\n" +
                                index_fixture("promotional_block.part") + "<br>\r\n" +
                                "<br>\r\n<a href=\"page_02.htm#id00000102\"";
  EXPECT_EQ(occurrences(group_1, after_entry_101), 1);
}

TEST_F(WordIndexPageTest, WritesTheContentsPageOnTheWay) {
  pages.folder.write("group_page_all_sort.txt", "page_01.htm\r\n");
  write_page(1, occurrence("id00000007", "page_01.htm", "Hello", "1"));
  EXPECT_NE(pages.folder.read("files_list.htm").find("<span id = \"page_01.htm\" >"),
            std::string::npos);
}

}  // namespace
}  // namespace docbase
