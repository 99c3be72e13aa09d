#pragma once
#include "app/run_state.h"

namespace docbase {

// Writes files_list.htm: one link per grouped page of group_page_all_sort.txt,
// each with an anchor named after the page.
void write_contents_page(RunState& run);

}  // namespace docbase
