#include "index/search_phrase.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace docbase {
namespace {

// The phrase words of a line and the length before its last word.
struct Line {
  std::string phrase_words;
  std::size_t length_mark = 0;
};

Line line_of(const std::vector<std::string>& words) {
  Line line;
  for (const std::string& word : words) {
    line.length_mark = line.phrase_words.size();
    line.phrase_words += word + " ";
  }
  return line;
}

std::vector<std::string> numbered_words(int count) {
  std::vector<std::string> words;
  for (int i = 1; i <= count; ++i) {
    std::string word = "w";
    word += std::to_string(i);
    words.push_back(word);
  }
  return words;
}

TEST(RandomPhrase, DrawsEachWordButTheFirstAtMostOnce) {
  RandomSource random;
  for (int words_in_line : {29, 30, 60, 500}) {
    SCOPED_TRACE(words_in_line);
    std::vector<std::string> words = numbered_words(words_in_line);
    Line line = line_of(words);
    for (int draw = 0; draw < 50; ++draw) {
      std::string phrase = random_phrase(line.phrase_words, line.length_mark, random);
      ASSERT_FALSE(phrase.empty());
      std::set<std::string> seen;
      std::size_t at = 0;
      while (at < phrase.size()) {
        ASSERT_EQ(phrase[at], ' ') << phrase;
        std::size_t end = std::min(phrase.find(' ', at + 1), phrase.size());
        std::string word = phrase.substr(at + 1, end - at - 1);
        EXPECT_NE(word, "w1") << phrase;
        EXPECT_NE(std::find(words.begin(), words.end(), word), words.end()) << phrase;
        EXPECT_TRUE(seen.insert(word).second) << phrase;
        at = end;
      }
      EXPECT_LE(seen.size(), 28u);
    }
  }
}

TEST(RandomPhrase, RepeatedWordIsDrawnOnce) {
  RandomSource random;
  Line line = line_of(std::vector<std::string>(29, "same"));
  EXPECT_EQ(random_phrase(line.phrase_words, line.length_mark, random), " same");
}

TEST(RandomPhrase, CanDrawTheLastWord) {
  // Two words: every draw lands on the blank after the first, which takes the last.
  RandomSource random;
  Line line = line_of({"first", "last"});
  EXPECT_EQ(random_phrase(line.phrase_words, line.length_mark, random), " last");
}

TEST(RandomPhrase, SameSourceStateGivesTheSamePhrase) {
  Line line = line_of(numbered_words(40));
  RandomSource first;
  RandomSource second;
  EXPECT_EQ(random_phrase(line.phrase_words, line.length_mark, first),
            random_phrase(line.phrase_words, line.length_mark, second));
}

}  // namespace
}  // namespace docbase
