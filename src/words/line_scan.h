#pragma once
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "words/tag_spans.h"

namespace docbase {

// A word as the scan cuts it: bytes start to end of the line (1-based, both
// included; empty when end < start), cut at scan position cut_at.
struct WordCut {
  std::size_t cut_at = 0;
  std::size_t start = 0;
  std::size_t end = 0;
  bool operator==(const WordCut&) const = default;
};

// Cuts the words of a line whose tag spans are known: words are bounded by
// blanks outside the spans, by the spans and by the line's ends. href_at is
// the 1-based position of the first "href=" of the lower-cased line, 0 when
// there is none. Linear in the line's length.
void scan_line(std::string_view line, std::span<const TagSpan> spans, std::size_t href_at,
               std::vector<WordCut>& cuts);

// A word as written to the occurrence records.
struct LineWord {
  std::size_t cut_at = 0;
  std::size_t position = 0;  // 1-based, of the word's first byte in the line
  std::string text;
  bool operator==(const LineWord&) const = default;
};

// The word a cut gives after the quote treatment: an enclosing double quote
// dropped on each side, any other double quote made "'"; nothing when fewer
// than 3 bytes are left.
std::optional<LineWord> written_word(std::string_view line, const WordCut& cut);

// The words one line yields, given the open tag carry of the line before;
// false when the line is passed over for its tags. Leaves the carry for the next line.
bool extract_line_words(std::string_view line, bool& tag_carry, std::vector<LineWord>& words);

}  // namespace docbase
