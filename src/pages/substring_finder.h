#pragma once
#include <cstddef>
#include <string_view>
#include <utility>
#include <vector>

#include "pages/name_table.h"

namespace docbase {

// Finds which names of a table occur anywhere in a text, without testing
// every name against every text: a name that holds the anchor (every word id
// holds "id", every page "page_") can only occur where the text holds the
// anchor, so only those places are looked up. Names without the anchor are
// searched for one by one.
class SubstringFinder {
 public:
  // Looks for the names the table holds now.
  SubstringFinder(const NameTable& names, std::string_view anchor);
  // The numbers of the names that occur in text, ascending, each once.
  void find(std::string_view text, std::vector<int>& found) const;

 private:
  struct Shape {
    std::size_t anchor_offset;  // where the name's first anchor stands
    std::size_t length;
    bool operator==(const Shape&) const = default;
  };
  const NameTable& names_;
  std::string_view anchor_;
  int known_;
  std::vector<Shape> shapes_;
  std::vector<int> unanchored_;
};

}  // namespace docbase
