#pragma once
#include <initializer_list>
#include <string>
#include <string_view>

namespace docbase {

// The bytes of a record file holding the given records, each a list of values.
inline std::string records_text(
    std::initializer_list<std::initializer_list<std::string_view>> records) {
  std::string text;
  for (const auto& record : records) {
    std::string_view separator;
    for (std::string_view value : record) {
      text += separator;
      text += '"';
      text += value;
      text += '"';
      separator = ",";
    }
    text += "\r\n";
  }
  return text;
}

// The bytes of a line file holding the given lines.
inline std::string lines_text(std::initializer_list<std::string_view> lines) {
  std::string text;
  for (std::string_view line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

// A line field (10 characters) and a position field (6 characters).
inline std::string line_field(int line) {
  std::string digits = std::to_string(line);
  return std::string(10 - digits.size(), ' ') + digits;
}
inline std::string position_field(int position) {
  std::string digits = std::to_string(position);
  return std::string(6 - digits.size(), ' ') + digits;
}

}  // namespace docbase
