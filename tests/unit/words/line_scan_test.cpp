#include "words/line_scan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "words/bytes.h"
#include "words/tag_spans.h"

namespace docbase {
namespace {

struct ExpectedWord {
  std::string text;
  std::size_t position;
  bool operator==(const ExpectedWord&) const = default;
};

std::vector<ExpectedWord> words_of(const std::vector<LineWord>& words) {
  std::vector<ExpectedWord> found;
  for (const LineWord& word : words)
    found.push_back({word.text, word.position});
  return found;
}

TEST(ExtractLineWords, CutsWordsAtBlanksTagsAndLineEnds) {
  struct Case {
    std::string line;
    std::vector<ExpectedWord> words;
  } cases[] = {
      {"<br>Hello world", {{"Hello", 5}, {"world", 11}}},
      {"<br>Hello, world.", {{"Hello,", 5}, {"world.", 12}}},
      {"<br>a bc def", {{"def", 10}}},
      {"<br>&nbsp;&nbsp;  text", {{"&nbsp;&nbsp;", 5}, {"text", 19}}},
      {"<br>\"quoted\"", {{"quoted", 6}}},
      {"<br>say\"hi\"there", {{"say'hi'there", 5}}},
      {"<br>\"\"ab\"", {{"'ab", 6}}},
      {"<br>\xd0\x96\xd0\xb6 \xd0\x96", {{"\xd0\x96\xd0\xb6", 5}}},
      {"Hello<b>x</b>", {}},
      {"<br><a href=\"#12\">two words</a>", {{"two", 19}, {"words", 23}}},
      {"<br><a href=\"#12\">word</a>", {}},
      {"<br>word <a href=\"#3\">link</a> after", {{"word", 5}}},
      {"<br><b>bold</b> text", {{"bold", 8}, {"text", 17}}},
      {"<tr><td>Cell one</td><td>two</td></tr>", {{"Cell", 9}, {"one", 14}, {"two", 26}}},
      {"<br>one two<b>", {{"one", 5}, {"two", 9}}},
      {"<br>end ", {{"end", 5}}},
      {"plain words here", {{"plain", 1}, {"words", 7}, {"here", 13}}},
      {"word", {{"word", 1}}},
      {"<br>", {}},
      {"", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    bool carry = false;
    std::vector<LineWord> words;
    EXPECT_TRUE(extract_line_words(c.line, carry, words));
    EXPECT_EQ(words_of(words), c.words);
    EXPECT_FALSE(carry);
  }
}

TEST(ExtractLineWords, CarriesAnOpenTagIntoTheNextLine) {
  struct Case {
    std::string line;
    bool carry_before;
    bool scanned;
    bool carry_after;
    std::vector<ExpectedWord> words;
  } cases[] = {
      {"<br>x < y", false, true, true, {}},
      {"<br>next line", true, true, false, {{"next", 5}, {"line", 10}}},
      {"no closing bracket", true, false, true, {}},
      {"", true, false, true, {}},
      {"<br", false, false, true, {}},
      {"<", false, false, true, {}},
      {"<br>words <", false, true, true, {{"words", 5}}},
      {"class=\"x\">carried text</a> tail",
       true,
       true,
       false,
       {{"carried", 11}, {"text", 19}, {"tail", 28}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    bool carry = c.carry_before;
    std::vector<LineWord> words;
    EXPECT_EQ(extract_line_words(c.line, carry, words), c.scanned);
    EXPECT_EQ(carry, c.carry_after);
    EXPECT_EQ(words_of(words), c.words);
  }
}

TEST(ExtractLineWords, TellsWhereEachWordWasCut) {
  bool carry = false;
  std::vector<LineWord> words;
  extract_line_words("<br>one <b>two</b>", carry, words);
  ASSERT_EQ(words.size(), 2u);
  EXPECT_EQ(words[0].cut_at, 8u);   // the blank after it
  EXPECT_EQ(words[1].cut_at, 15u);  // the start of the tag after it
}

// The tag spans, outside blanks and scan exactly as first described: every
// position is looked up in the lists. Quadratic, kept as the reference.
struct LiteralScan {
  bool scanned = true;
  bool carry = false;
  std::vector<WordCut> cuts;
};

LiteralScan scan_literally(const std::string& line, bool carry) {
  LiteralScan result;
  const std::size_t n = line.size();
  auto at = [&](std::size_t position) { return line[position - 1]; };
  if (carry && line.find('>') == std::string::npos) {
    result.scanned = false;
    result.carry = true;
    return result;
  }
  std::vector<std::size_t> starts;
  std::vector<std::size_t> ends;
  std::size_t last_end = 0;
  if (carry) {
    std::size_t close = 1;
    while (at(close) != '>')
      ++close;
    starts.push_back(1);
    ends.push_back(close);
    last_end = close;
    carry = false;
  }
  for (;;) {
    std::size_t open = last_end + 1;
    while (open <= n && at(open) != '<')
      ++open;
    if (open > n) break;
    std::size_t close = open + 1;
    while (close <= n && at(close) != '>')
      ++close;
    starts.push_back(open);
    if (close > n) {
      ends.push_back(n);
      carry = true;
      break;
    }
    ends.push_back(close);
    last_end = close;
  }
  result.carry = carry;
  if (carry && starts.size() == 1 && starts[0] == 1 && ends[0] == n) {
    result.scanned = false;
    return result;
  }
  std::vector<std::size_t> blanks;
  for (std::size_t p = 1; p <= n; ++p) {
    if (at(p) != ' ') continue;
    bool in_span = false;
    for (std::size_t k = 0; k < starts.size(); ++k)
      in_span = in_span || (starts[k] <= p && p <= ends[k]);
    if (!in_span) blanks.push_back(p);
  }
  auto listed = [](const std::vector<std::size_t>& list, std::size_t p) {
    return std::find(list.begin(), list.end(), p) != list.end();
  };
  std::size_t href = to_lower(line).find("href=");
  std::size_t href_at = href == std::string::npos ? 0 : href + 1;
  std::size_t t = 0, e = 0, p = 0, b = 0;
  auto cut = [&](std::size_t i, std::size_t from, std::size_t to) {
    result.cuts.push_back({i, from, to});
  };
  for (std::size_t i = 1; i <= n; ++i) {
    bool inside = false;
    for (std::size_t k = 0; k < starts.size(); ++k)
      inside = inside || (starts[k] < i && i < ends[k]);
    if (inside) continue;
    bool is_start = listed(starts, i);
    bool is_blank = listed(blanks, i);
    if (is_start) t = i;
    if (listed(ends, i)) e = i;
    if (is_blank) {
      b = i;
      if (t == 0 && e == 0) {
        cut(i, p + 1, i - 1);
      } else if (t < e && p < t) {
        cut(i, e + 1, i - 1);
      } else if (t < e && e < p) {
        cut(i, p + 1, i - 1);
      }
    }
    if (is_start) {
      if (e < i && b < e) {
        if (href_at != 0 && href_at < e) return result;
        cut(i, e + 1, i - 1);
      } else if (e < b) {
        cut(i, b + 1, i - 1);
      }
    }
    if (i == n) {
      if (b < t && t < e) {
        cut(i, e + 1, n);
      } else if (e < b && b < n) {
        cut(i, b + 1, n);
      } else if (t == 0 && e == 0 && b == 0) {
        cut(i, 1, n);
      }
    }
    if (is_blank) p = i;
  }
  return result;
}

std::string random_line(std::mt19937& random) {
  static const char* const kPieces[] = {
      "<",  ">",        " ",      "  ",     "a",        "bc",   "Word",
      "\"", "href=",    "HREF=",  "href =", "<br>",     "</a>", "<a href=\"#12\">",
      "x",  "\xd0\x96", "&nbsp;", "<b>",    "look_at:", "=",    "#",
      "\t"};
  std::uniform_int_distribution<std::size_t> length(0, 14);
  std::uniform_int_distribution<std::size_t> piece(0, std::size(kPieces) - 1);
  std::string line;
  for (std::size_t count = length(random); count > 0; --count)
    line += kPieces[piece(random)];
  return line;
}

TEST(ScanLine, CutsWhatTheLiteralLookupsCut) {
  std::mt19937 random(20240611);
  std::vector<TagSpan> spans;
  std::vector<WordCut> cuts;
  for (int round = 0; round < 200000; ++round) {
    std::string line = random_line(random);
    bool carry_before = round % 3 == 0;
    SCOPED_TRACE("line \"" + line + "\", carry " + (carry_before ? "on" : "off"));
    LiteralScan expected = scan_literally(line, carry_before);
    bool carry = carry_before;
    bool scanned = find_tag_spans(line, carry, spans);
    ASSERT_EQ(scanned, expected.scanned);
    ASSERT_EQ(carry, expected.carry);
    if (!scanned) continue;
    std::size_t href = to_lower(line).find("href=");
    scan_line(line, spans, href == std::string::npos ? 0 : href + 1, cuts);
    ASSERT_EQ(cuts, expected.cuts);
  }
}

}  // namespace
}  // namespace docbase
