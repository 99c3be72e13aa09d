#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace docbase {

// Whether the lines read so far left a table region open. It runs on across
// page ends: a page that opens a table without closing it makes the next
// page's lines verbatim too.
struct TableState {
  bool on = false;
};

// Rewrites one source line of a page into its prepared line: a new HTML line
// that begins with "<br>", leading blanks marked with "&nbsp;", bytes below 16
// removed. Lines of an open table region are kept as they are (trailing blanks
// removed). Preformatted-block lines give nothing.
std::optional<std::string> prepare_line(std::string_view line, TableState& table);

}  // namespace docbase
