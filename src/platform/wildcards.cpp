#include "platform/wildcards.h"

#include "platform/names.h"

namespace docbase {
namespace {

bool same_letter(char a, char b) {
  return equal_ignoring_case(std::string_view(&a, 1), std::string_view(&b, 1));
}

// Star matching with one backtracking point: linear in practice, never worse
// than the product of the two lengths.
bool matches_plain(std::string_view pattern, std::string_view name) {
  std::size_t p = 0;
  std::size_t n = 0;
  std::size_t star = std::string_view::npos;
  std::size_t resume = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      resume = n;
    } else if (p < pattern.size() && (pattern[p] == '?' || same_letter(pattern[p], name[n]))) {
      ++p;
      ++n;
    } else if (star != std::string_view::npos) {
      p = star + 1;
      n = ++resume;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*')
    ++p;
  return p == pattern.size();
}

}  // namespace

bool has_wildcards(std::string_view pattern) {
  return pattern.find_first_of("*?") != std::string_view::npos;
}

bool matches_wildcard(std::string_view pattern, std::string_view name) {
  // Without wildcards a pattern is one name, which on this platform may end in a dot.
  if (!has_wildcards(pattern)) return equal_ignoring_case(pattern, name);
  if (pattern.size() > 1 && pattern.back() == '.') {
    if (name.find('.') != std::string_view::npos) return false;
    return matches_plain(pattern.substr(0, pattern.size() - 1), name);
  }
  if (pattern.size() > 2 && pattern.ends_with(".*") &&
      matches_plain(pattern.substr(0, pattern.size() - 2), name)) {
    return true;
  }
  return matches_plain(pattern, name);
}

}  // namespace docbase
