#pragma once
#include "app/run_state.h"

namespace docbase {

// Writes s_[G].htm for one group.
void write_search_page(RunState& run, long long group);

}  // namespace docbase
