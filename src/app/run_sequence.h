#pragma once
#include "app/run_state.h"

namespace docbase {

// Runs the 21 steps of a run in their fixed order. Ends by returning after the
// final prompt, or by throwing RunEnd.
void run_sequence(RunState& run);

}  // namespace docbase
