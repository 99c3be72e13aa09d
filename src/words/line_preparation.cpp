#include "words/line_preparation.h"

#include "words/bytes.h"

namespace docbase {
namespace {

constexpr std::string_view kNonBreakingBlank = "&nbsp;";
constexpr std::string_view kLineBreak = "<br>";

// Whether text holds part (lower case, beginning with "<") once its ASCII
// letters are lowered, without a lowered copy of a line that may be very long.
bool contains_lowered(std::string_view text, std::string_view part) {
  for (std::size_t at = text.find(part[0]); at != std::string_view::npos;
       at = text.find(part[0], at + 1)) {
    if (text.size() - at < part.size()) return false;
    std::size_t i = 1;
    while (i < part.size() && to_lower(text[at + i]) == part[i])
      ++i;
    if (i == part.size()) return true;
  }
  return false;
}

bool is_preformatted_mark(std::string_view trimmed) {
  return contains(trimmed, "<pre>") || trimmed == "</pre>";
}

void follow_table_marks(std::string_view trimmed, TableState& table) {
  if (contains_lowered(trimmed, "<table ")) table.on = true;
  if (contains_lowered(trimmed, "</table")) table.on = false;
}

std::size_t leading_blanks(std::string_view text) {
  std::size_t count = 0;
  while (count < text.size() && text[count] == ' ')
    ++count;
  return count;
}

void append_without_low_bytes(std::string& out, std::string_view text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) >= 16) out.push_back(c);
  }
}

}  // namespace

std::optional<std::string> prepare_line(std::string_view line, TableState& table) {
  std::string_view text = trim_trailing_blanks(line);
  std::string_view trimmed = trim_blanks(text);
  if (is_preformatted_mark(trimmed)) return std::nullopt;
  follow_table_marks(trimmed, table);
  if (table.on) return std::string(text);

  std::size_t blanks = leading_blanks(text);
  // Marked blanks come first, so a line with leading blanks never begins
  // with "<br>" and always gets its own.
  bool begins_with_break = blanks == 0 && trimmed.substr(0, kLineBreak.size()) == kLineBreak;
  std::string prepared;
  prepared.reserve(text.size() + blanks * kNonBreakingBlank.size() + kLineBreak.size());
  if (!begins_with_break) prepared.append(kLineBreak);
  for (std::size_t i = 0; i < blanks; ++i)
    prepared.append(kNonBreakingBlank);
  append_without_low_bytes(prepared, text);
  return prepared;
}

}  // namespace docbase
