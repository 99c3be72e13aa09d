#pragma once
#include <string_view>

namespace docbase {

// The number a text begins with, read as a decimal floating-point number after
// leading blanks: sign, digits, decimal point and exponent ("e", "E", "d" or
// "D") as far as they go; 0 when no digits are found.
double leading_number(std::string_view text);

}  // namespace docbase
