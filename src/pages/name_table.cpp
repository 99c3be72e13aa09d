#include "pages/name_table.h"

namespace docbase {

int NameTable::add(std::string_view name) {
  if (int known = find(name); known != kAbsent) return known;
  names_.emplace_back(name);
  int number = static_cast<int>(names_.size()) - 1;
  index_.emplace(names_.back(), number);
  return number;
}

int NameTable::find(std::string_view name) const {
  auto found = index_.find(name);
  return found == index_.end() ? kAbsent : found->second;
}

}  // namespace docbase
