#include "pages/substring_finder.h"

#include <algorithm>

namespace docbase {

SubstringFinder::SubstringFinder(const NameTable& names, std::string_view anchor)
    : names_(names), anchor_(anchor), known_(names.size()) {
  for (int number = 0; number < known_; ++number) {
    const std::string& name = names.name(number);
    std::size_t offset = name.find(anchor);
    if (offset == std::string::npos || anchor.empty()) {
      unanchored_.push_back(number);
      continue;
    }
    Shape shape{offset, name.size()};
    if (std::find(shapes_.begin(), shapes_.end(), shape) == shapes_.end()) {
      shapes_.push_back(shape);
    }
  }
}

void SubstringFinder::find(std::string_view text, std::vector<int>& found) const {
  found.clear();
  if (!shapes_.empty()) {
    for (std::size_t at = text.find(anchor_); at != std::string_view::npos;
         at = text.find(anchor_, at + 1)) {
      for (const Shape& shape : shapes_) {
        if (at < shape.anchor_offset) continue;
        std::size_t start = at - shape.anchor_offset;
        if (start + shape.length > text.size()) continue;
        int number = names_.find(text.substr(start, shape.length));
        if (number != NameTable::kAbsent && number < known_) found.push_back(number);
      }
    }
  }
  for (int number : unanchored_) {
    if (text.find(names_.name(number)) != std::string_view::npos) found.push_back(number);
  }
  std::sort(found.begin(), found.end());
  found.erase(std::unique(found.begin(), found.end()), found.end());
}

}  // namespace docbase
