#include "words/tag_spans.h"

namespace docbase {

bool find_tag_spans(std::string_view line, bool& tag_carry, std::vector<TagSpan>& spans) {
  spans.clear();
  std::size_t first_close = line.find('>');
  if (tag_carry && first_close == std::string_view::npos) return false;
  std::size_t searched_to = 0;  // 0-based: the next "<" is sought from here
  if (tag_carry) {
    spans.push_back({1, first_close + 1});
    searched_to = first_close + 1;
    tag_carry = false;
  }
  for (;;) {
    std::size_t open = line.find('<', searched_to);
    if (open == std::string_view::npos) break;
    std::size_t close = line.find('>', open + 1);
    if (close == std::string_view::npos) {
      spans.push_back({open + 1, line.size()});
      tag_carry = true;
      break;
    }
    spans.push_back({open + 1, close + 1});
    searched_to = close + 1;
  }
  bool only_an_open_tag =
      tag_carry && spans.size() == 1 && spans[0].start == 1 && spans[0].end == line.size();
  return !only_an_open_tag;
}

}  // namespace docbase
