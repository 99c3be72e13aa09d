#include "index/search_page.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "page_test_support.h"

namespace docbase {
namespace {

constexpr std::string_view kScriptEnd = "</script>\r\n";
constexpr std::string_view kPageEnd = "</body> <br>\r\n</html> <br>\r\n";

// A record of wrd_12_[G].txt.
std::string occurrence(std::string_view page, int line, std::string_view word, std::string_view id,
                       std::string_view occurrence_number = "1") {
  std::string line_field = std::to_string(line);
  line_field.insert(0, 10 - line_field.size(), ' ');
  return record({page, line_field, "     1", word, id, occurrence_number});
}

std::string word_id(int number) {
  std::string digits = std::to_string(number);
  return "id" + std::string(8 - digits.size(), '0') + digits;
}

// One line of numbered words: word_1 to word_N with ids counting from first_id.
std::string line_of_words(int line, int words, int first_id = 1) {
  std::string records;
  for (int i = 0; i < words; ++i)
    records +=
        occurrence("page_02.htm", line, "word_" + std::to_string(i + 1), word_id(first_id + i));
  return records;
}

class SearchPageTest : public ::testing::Test {
 protected:
  std::string write_page(const std::string& words, long long group = 1) {
    std::string name = std::to_string(group);
    pages.folder.write("wrd_12_" + name + ".txt", words);
    write_search_page(pages.run, group);
    return pages.folder.read("s_" + name + ".htm");
  }
  // What follows the script, before the two end lines.
  std::string body(const std::string& words) {
    return between(write_page(words), kScriptEnd, kPageEnd);
  }
  // The query of the first web_search link.
  std::string first_phrase(const std::string& words) {
    std::string page = write_page(words);
    std::size_t end = page.find("\"> web_search </a>");
    std::size_t start = page.rfind("?q=", end);
    if (end == std::string::npos || start == std::string::npos) return {};
    return page.substr(start + 3, end - start - 3);
  }

  PageRun pages;
};

TEST_F(SearchPageTest, TwoLinesGiveOneLinkBlock) {
  std::string words = occurrence("page_02.htm", 1, "one", "id00000001") +
                      occurrence("page_02.htm", 1, "two", "id00000002") +
                      occurrence("page_02.htm", 2, "six", "id00000003");
  EXPECT_EQ(write_page(words), index_fixture("s_example.htm"));
}

TEST_F(SearchPageTest, EmptyWordFileGivesOneEmptyLine) {
  EXPECT_EQ(body(""), "<br>\r\n");
}

TEST_F(SearchPageTest, RecordsOfOneLineAreWrittenAtTheEndWithoutLinkBlock) {
  EXPECT_EQ(body(line_of_words(7, 3)),
            " <span id=\"id00000001_1\"><a href=\"i_1.htm#id00000001\">word_1</a></span>"
            " <span id=\"id00000002_1\"><a href=\"i_1.htm#id00000002\">word_2</a></span>"
            " <span id=\"id00000003_1\"><a href=\"i_1.htm#id00000003\">word_3</a></span><br>\r\n");
}

TEST_F(SearchPageTest, ScriptShowsTheWholeWordOnlyWhenFindWordIsOn) {
  const std::string inline_line =
      "document.writeln(self.location.hash + \" { display: inline } \");\r\n";
  pages.run.font_color = "blue";
  pages.run.find_word = false;
  std::string page = write_page("");
  EXPECT_EQ(occurrences(page, inline_line), 0);
  EXPECT_EQ(occurrences(page, "document.writeln(self.location.hash + \" { color: blue } \");"), 1);
  pages.run.find_word = true;
  EXPECT_EQ(occurrences(write_page(""), inline_line), 1);
}

TEST_F(SearchPageTest, LinkBlockHasARestrictedLinkPerAddressGiven) {
  struct Case {
    std::string destination;
    std::string target_site;
    std::string search_lines;
  };
  const std::string query = "http://www.google.com/search?q=word_1 word_2 ";
  const std::vector<Case> cases = {
      {"", "", "&nbsp <a href=\"" + query + "\"> web_search </a>\r\n"},
      {"", "www.site.example",
       "&nbsp <a href=\"" + query + " site:www.site.example\"> www.site.example</a>\r\n" +
           "&nbsp <a href=\"" + query + "\"> web_search </a>\r\n"},
      {"dest.example", "",
       "&nbsp <a href=\"" + query + " site:dest.example\"> dest.example</a>\r\n" +
           "&nbsp <a href=\"" + query + "\"> web_search </a>\r\n"},
      {"dest.example", "www.site.example",
       "&nbsp <a href=\"" + query + " site:dest.example\"> dest.example</a>\r\n" +
           "&nbsp <a href=\"" + query + " site:www.site.example\"> www.site.example</a>\r\n" +
           "&nbsp <a href=\"" + query + "\"> web_search </a>\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("destination '" + c.destination + "', target site '" + c.target_site + "'");
    pages.run.destination_address = c.destination;
    pages.run.target_site = c.target_site;
    std::string block = between(body(line_of_words(1, 2) + line_of_words(2, 1, 3)),
                                "Content (page_02.htm)</a>\r\n", "<br><br>\r\n");
    EXPECT_EQ(block, c.search_lines);
  }
}

TEST_F(SearchPageTest, LinkBlocksNameTheSecondLinesFirstWordThenTheLineTheyFollow) {
  std::string words = line_of_words(1, 2, 1) + line_of_words(2, 2, 11) + line_of_words(3, 2, 21);
  std::string text = body(words);
  // The first two blocks both name the first word of line 2; the Content link
  // names the page of the record that began the next line.
  EXPECT_EQ(occurrences(text,
                        "<a href=\"i_1.htm#id00000011\">i_1</a>\r\n"
                        "&nbsp <a href=\"index.htm#id00000011\">index</a>\r\n"),
            2);
  EXPECT_EQ(occurrences(text, ">i_1</a>\r\n"), 2);
  EXPECT_EQ(occurrences(text, "q=word_1 word_2 \"> web_search"), 2);
}

TEST_F(SearchPageTest, SameLineNumberOnTheNextPageContinuesTheLine) {
  std::string words = occurrence("page_02.htm", 5, "last", "id00000001") +
                      occurrence("page_03.htm", 5, "first", "id00000002") +
                      occurrence("page_03.htm", 6, "next", "id00000003");
  std::string text = body(words);
  EXPECT_TRUE(
      text.starts_with(" <span id=\"id00000001_1\"><a href=\"i_1.htm#id00000001\">last</a>"
                       "</span> <span id=\"id00000002_1\"><a href=\"i_1.htm#id00000002\">"
                       "first</a></span><br>\r\n"))
      << text;
  EXPECT_EQ(occurrences(text, "q=last first \"> web_search"), 1);
  EXPECT_EQ(occurrences(text, "Content (page_03.htm)"), 1);
}

TEST_F(SearchPageTest, PendingLineHoldingThePageEndIsLeftOut) {
  std::string words = occurrence("page_02.htm", 1, "</HTML>", "id00000001") +
                      occurrence("page_02.htm", 2, "after", "id00000002");
  std::string text = body(words);
  EXPECT_TRUE(text.starts_with("<a href=\"i_1.htm#id00000002\">i_1</a>\r\n")) << text;
  EXPECT_EQ(occurrences(text, "q=</HTML> \"> web_search"), 1);
}

TEST_F(SearchPageTest, LineOf28WordsSearchesForAllItsWords) {
  std::string expected;
  for (int i = 1; i <= 28; ++i)
    expected += "word_" + std::to_string(i) + " ";
  EXPECT_EQ(first_phrase(line_of_words(1, 28) + line_of_words(2, 1, 100)), expected);
}

// The words of a drawn phrase: each slot is one blank and one word.
std::vector<std::string> phrase_slots(const std::string& phrase) {
  std::vector<std::string> words;
  for (std::size_t at = 0; at < phrase.size();) {
    EXPECT_EQ(phrase[at], ' ') << phrase;
    std::size_t end = phrase.find(' ', at + 1);
    if (end == std::string::npos) end = phrase.size();
    words.push_back(phrase.substr(at + 1, end - at - 1));
    at = end;
  }
  return words;
}

TEST_F(SearchPageTest, LineOf29WordsSearchesForRandomWordsButTheFirst) {
  std::string phrase = first_phrase(line_of_words(1, 29) + line_of_words(2, 1, 100));
  std::vector<std::string> words = phrase_slots(phrase);
  ASSERT_FALSE(words.empty());
  std::set<std::string> distinct(words.begin(), words.end());
  EXPECT_EQ(distinct.size(), words.size()) << phrase;
  for (const std::string& word : words) {
    EXPECT_NE(word, "word_1") << phrase;
    EXPECT_TRUE(word.starts_with("word_")) << phrase;
  }
}

}  // namespace
}  // namespace docbase
