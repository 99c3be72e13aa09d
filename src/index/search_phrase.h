#pragma once
#include <cstddef>
#include <string>
#include <string_view>

#include "platform/random.h"

namespace docbase {

// Lines of more words than this get a random phrase instead of all their words.
inline constexpr long long kLongestWholePhrase = 28;

// The search phrase of a long line, drawn from 28 random positions: each draw
// takes the word after a blank at or after the drawn position, provided that
// blank lies within the first length_mark bytes of phrase_words (the words of
// the line, each followed by one blank; length_mark excludes the last word).
// Every slot is a blank and one word; a word drawn again is dropped.
std::string random_phrase(std::string_view phrase_words, std::size_t length_mark,
                          RandomSource& random);

}  // namespace docbase
