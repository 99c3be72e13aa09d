#pragma once
#include <span>
#include <string>
#include <string_view>

namespace docbase {

// Width of one print zone: items of an overview row begin at columns 15, 29,
// 43 and so on.
inline constexpr int kPrintZoneWidth = 14;

// One console row of items: the first at the line's start, each further item
// at the next print zone after the text so far. A zone that would begin in the
// last 14 columns of the console's width gives a line break instead, and the
// item begins the next line. Text that runs past the width wraps, as the
// console wraps it, so columns are counted on the wrapped line. No final
// line break.
std::string zoned_row(std::span<const std::string_view> items, int console_width);

}  // namespace docbase
