#include "words/tag_test.h"

namespace docbase {

bool passes_tag_test(std::string_view line, std::string_view keyword) {
  std::size_t first_open = line.find('<');
  std::size_t at = line.find(keyword);
  if (first_open == std::string_view::npos || at == std::string_view::npos) return false;
  if (first_open >= at) return false;
  if (line[at - 1] == '<') return true;
  if (line.find('<', at) != std::string_view::npos) return false;
  std::size_t last_open = line.rfind('<', at - 1);
  for (std::size_t i = last_open + 1; i < at; ++i) {
    if (line[i] != ' ') return false;
  }
  return true;
}

}  // namespace docbase
