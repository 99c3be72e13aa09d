// Any bytes as one prepared line: every word lies inside the line, has at
// least three bytes and holds no double quote.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "words/line_scan.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  std::string_view line(reinterpret_cast<const char*>(data + 1), size - 1);
  bool carry = (data[0] & 1) != 0;
  std::vector<docbase::LineWord> words;
  if (!docbase::extract_line_words(line, carry, words)) return 0;
  for (const docbase::LineWord& word : words) {
    if (word.text.size() < 3 || word.position < 1) __builtin_trap();
    if (word.text.find('"') != std::string::npos) __builtin_trap();
    if (word.position - 1 + word.text.size() > line.size()) __builtin_trap();
  }
  return 0;
}
