#pragma once
#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "words/record_file.h"

namespace docbase {

// The Before and Next pages of every grouped page, from one read of
// group_page_all_sort.txt (every line lower-cased); a lookup per page from
// the file's start would read it once per page.
class Navigation {
 public:
  explicit Navigation(const std::filesystem::path& sorted_pages);
  // For the first line equal to the page lower-cased: next becomes the line
  // after it (empty for the last line), before the line before it (kept for
  // the first line). A page the file does not list empties next and keeps before.
  void look_up(std::string_view page, std::string& before, std::string& next) const;

 private:
  std::vector<std::string> lines_;
  std::unordered_map<std::string, std::size_t> first_line_;
};

// Before, Next and Content, one line each; the Before and Next links only
// when their pages are known.
void write_navigation_links(LineWriter& out, std::string_view before, std::string_view next,
                            bool blank_after_next);

}  // namespace docbase
