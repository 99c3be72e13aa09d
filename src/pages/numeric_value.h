#pragma once
#include <string_view>

namespace docbase {

// The value of a number field as the writers read it: leading blanks
// ignored, an optional sign, then the digits up to the first other byte;
// 0 when there are none. Values beyond 15 digits are held at 10^15, so
// that no damaged field can overflow the arithmetic done with them.
inline long long numeric_value(std::string_view field) {
  constexpr long long kLimit = 1'000'000'000'000'000;
  std::size_t at = 0;
  while (at < field.size() && field[at] == ' ')
    ++at;
  bool negative = at < field.size() && field[at] == '-';
  if (at < field.size() && (field[at] == '-' || field[at] == '+')) ++at;
  long long value = 0;
  for (; at < field.size() && field[at] >= '0' && field[at] <= '9'; ++at) {
    value = value * 10 + (field[at] - '0');
    if (value >= kLimit) {
      value = kLimit;
      break;
    }
  }
  return negative ? -value : value;
}

}  // namespace docbase
