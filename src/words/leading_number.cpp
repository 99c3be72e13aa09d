#include "words/leading_number.h"

#include <cstddef>
#include <cstdlib>
#include <string>

namespace docbase {
namespace {

bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

std::size_t skip_digits(std::string_view text, std::size_t at) {
  while (at < text.size() && is_digit(text[at]))
    ++at;
  return at;
}

// Where the exponent part starting at `at` ends; `at` itself when there is none.
std::size_t exponent_end(std::string_view text, std::size_t at) {
  if (at >= text.size()) return at;
  char mark = text[at];
  if (mark != 'e' && mark != 'E' && mark != 'd' && mark != 'D') return at;
  std::size_t digits = at + 1;
  if (digits < text.size() && (text[digits] == '+' || text[digits] == '-')) ++digits;
  std::size_t end = skip_digits(text, digits);
  return end > digits ? end : at;
}

}  // namespace

double leading_number(std::string_view text) {
  std::size_t start = 0;
  while (start < text.size() && text[start] == ' ')
    ++start;
  std::size_t at = start;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
  std::size_t mantissa = at;
  at = skip_digits(text, at);
  bool whole_digits = at > mantissa;
  if (at < text.size() && text[at] == '.') {
    std::size_t fraction = skip_digits(text, at + 1);
    if (whole_digits || fraction > at + 1) at = fraction;
  }
  if (!whole_digits && at == mantissa) return 0;
  at = exponent_end(text, at);
  // The program never changes the C locale, so strtod reads "." as the
  // decimal point; it knows no "d" exponent, so that becomes "e".
  std::string number(text.substr(start, at - start));
  for (char& c : number)
    if (c == 'd' || c == 'D') c = 'e';
  return std::strtod(number.c_str(), nullptr);
}

}  // namespace docbase
