#include "pages/navigation.h"

#include "words/bytes.h"

namespace docbase {

Navigation::Navigation(const std::filesystem::path& sorted_pages) {
  LineReader pages(sorted_pages);
  std::string line;
  while (pages.read_line(line)) {
    lines_.push_back(to_lower(line));
    first_line_.emplace(lines_.back(), lines_.size() - 1);
  }
}

void Navigation::look_up(std::string_view page, std::string& before, std::string& next) const {
  auto found = first_line_.find(to_lower(page));
  if (found == first_line_.end()) {
    next.clear();
    return;
  }
  std::size_t at = found->second;
  next = at + 1 < lines_.size() ? lines_[at + 1] : std::string();
  if (at > 0) before = lines_[at - 1];
}

void write_navigation_links(LineWriter& out, std::string_view before, std::string_view next,
                            bool blank_after_next) {
  if (!before.empty()) out.write_line("<a href=\"" + std::string(before) + "\"> Before </a> ");
  if (!next.empty()) {
    out.write_line("<a href=\"" + std::string(next) + "\"> Next </a>" +
                   (blank_after_next ? " " : ""));
  }
  out.write_line("<a href=\"files_list.htm\"> Content </a><br>");
}

}  // namespace docbase
