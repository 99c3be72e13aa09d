#pragma once
#include "app/run_state.h"
#include "words/chunk_merge.h"

namespace docbase {

// Sorts the file run.sort_input into run.sort_output by line order, in chunks
// of 2000 lines merged at most 50 at a time; ends the run on a sort error.
void external_sort(RunState& run);

// The same with the merge's limits given, so that tests can narrow them.
void sort_file(RunState& run, const MergeLimits& limits);

}  // namespace docbase
