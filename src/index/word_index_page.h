#pragma once
#include "app/run_state.h"

namespace docbase {

// Writes i_[G].htm for one group, and files_list.htm on the way.
void write_word_index_page(RunState& run, long long group);

}  // namespace docbase
