#include "page_test_support.h"

#include <regex>

namespace docbase {

std::string record(std::initializer_list<std::string_view> values) {
  std::string line;
  for (std::string_view value : values) {
    if (!line.empty()) line += ',';
    line += '"';
    line += value;
    line += '"';
  }
  return line + "\r\n";
}

std::string crlf(std::string_view text) {
  std::string converted;
  for (char c : text) {
    if (c == '\n') converted += '\r';
    converted += c;
  }
  return converted;
}

std::string index_fixture(const std::string& name) {
  return crlf(read_file(std::filesystem::path(DOCBASE_FIXTURES) / "index" / name));
}

std::string masked_clock(std::string page) {
  static const std::regex date(R"(Date \(mm-dd-yy\) = \d\d-\d\d-\d\d\d\d<br>\r\n)");
  static const std::regex time(R"(Time \(h:m:s\)    = \d\d:\d\d:\d\d<br>\r\n)");
  page = std::regex_replace(page, date, "Date (mm-dd-yy) = MM-DD-YYYY<br>\r\n");
  return std::regex_replace(page, time, "Time (h:m:s)    = hh:mm:ss<br>\r\n");
}

std::string between(std::string_view text, std::string_view from, std::string_view to) {
  std::size_t start = text.find(from);
  if (start == std::string_view::npos) return {};
  start += from.size();
  std::size_t end = text.find(to, start);
  return std::string(text.substr(start, end == std::string_view::npos ? end : end - start));
}

long long occurrences(std::string_view text, std::string_view part) {
  long long found = 0;
  for (std::size_t at = text.find(part); at != std::string_view::npos;
       at = text.find(part, at + part.size()))
    ++found;
  return found;
}

}  // namespace docbase
