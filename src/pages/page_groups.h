#pragma once
#include "app/run_state.h"

namespace docbase {

// Divides the pages that hold words into page groups of the input count:
// group_page_all.txt, group_search_[G].txt, group_page_all_sort.txt and the
// group count; prints "processed 40%".
void form_page_groups(RunState& run);

}  // namespace docbase
