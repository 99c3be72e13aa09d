#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace docbase {

// Byte-string helpers. Blanks are the character 32 only; case changes touch
// the ASCII letters only.

inline char to_lower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

inline std::string to_lower(std::string_view text) {
  std::string lowered(text);
  for (char& c : lowered)
    c = to_lower(c);
  return lowered;
}

inline std::string_view trim_trailing_blanks(std::string_view text) {
  std::size_t end = text.size();
  while (end > 0 && text[end - 1] == ' ')
    --end;
  return text.substr(0, end);
}

inline std::string_view trim_blanks(std::string_view text) {
  std::size_t start = 0;
  while (start < text.size() && text[start] == ' ')
    ++start;
  return trim_trailing_blanks(text.substr(start));
}

inline bool contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

// The decimal digits of value, right-aligned in width characters of fill;
// a longer number is written whole.
inline std::string pad_left(std::string_view digits, std::size_t width, char fill) {
  if (digits.size() >= width) return std::string(digits);
  return std::string(width - digits.size(), fill) + std::string(digits);
}

inline std::string pad_number(long long value, std::size_t width, char fill) {
  return pad_left(std::to_string(value), width, fill);
}

// A number printed after a text: one leading blank for non-negative values.
inline std::string number_text(long long value) {
  return value >= 0 ? " " + std::to_string(value) : std::to_string(value);
}

}  // namespace docbase
