#pragma once
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>

namespace docbase {

// Names (word ids, pages) numbered in the order they were first added, so
// that summaries can be kept per number instead of per copy of the name.
class NameTable {
 public:
  static constexpr int kAbsent = -1;

  NameTable() = default;
  // The index views the names in place: a copy would view the original's.
  NameTable(const NameTable&) = delete;
  NameTable& operator=(const NameTable&) = delete;
  NameTable(NameTable&&) = default;
  NameTable& operator=(NameTable&&) = default;

  int add(std::string_view name);
  int find(std::string_view name) const;
  const std::string& name(int number) const { return names_[static_cast<std::size_t>(number)]; }
  int size() const { return static_cast<int>(names_.size()); }

 private:
  std::deque<std::string> names_;  // a deque keeps the views of the index valid
  std::unordered_map<std::string_view, int> index_;
};

}  // namespace docbase
