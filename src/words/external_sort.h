#pragma once
#include "app/run_state.h"

namespace docbase {

// Sorts the file run.sort_input into run.sort_output by line order, in chunks
// of 2000 lines merged at most 50 at a time; ends the run on a sort error.
void external_sort(RunState& run);

}  // namespace docbase
