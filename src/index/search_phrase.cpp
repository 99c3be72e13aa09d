#include "index/search_phrase.h"

#include <array>
#include <cmath>

namespace docbase {
namespace {

constexpr std::size_t kPhraseSlots = 28;

// One draw: a 1-based position p, then the blank at or after it and the word
// that follows that blank.
std::string draw_slot(std::string_view phrase_words, std::size_t length_mark,
                      RandomSource& random) {
  double scaled = std::floor(random.next() * static_cast<double>(length_mark));
  std::size_t p = scaled < 1.0 ? 1 : static_cast<std::size_t>(scaled);
  std::size_t blank = phrase_words.find(' ', p - 1);
  if (blank == std::string_view::npos || blank + 1 > length_mark) return {};
  std::size_t next_blank = phrase_words.find(' ', blank + 1);
  if (next_blank == std::string_view::npos) return {};
  return std::string(phrase_words.substr(blank, next_blank - blank));
}

}  // namespace

std::string random_phrase(std::string_view phrase_words, std::size_t length_mark,
                          RandomSource& random) {
  std::array<std::string, kPhraseSlots> slots;
  for (auto& slot : slots)
    slot = draw_slot(phrase_words, length_mark, random);
  for (std::size_t i = 0; i + 1 < kPhraseSlots; ++i) {
    for (std::size_t j = i + 1; j < kPhraseSlots; ++j) {
      if (slots[j] == slots[i]) slots[j].clear();
    }
  }
  std::string phrase;
  for (const auto& slot : slots)
    phrase += slot;
  return phrase;
}

}  // namespace docbase
