#pragma once
#include <string_view>

#include "app/run_state.h"

namespace docbase {

// Writes the page list dir_01.txt: "f_promote.htm" first, then the pages of
// htm_in in sorted order, lower-cased (dir_02.txt the listing, dir_03.txt its
// sorted copy).
void write_page_list(RunState& run);

// The advertising page's own name, lower-cased. Only that name is kept out
// of the sorted pages: "my_f_promote.htm" is a page of the user's.
inline bool is_advertising_page(std::string_view lowered) {
  return lowered == "f_promote.htm";
}

// The lines of the page list that name a page.
long long count_listed_pages(RunState& run);

}  // namespace docbase
