#pragma once
#include "app/run_state.h"

namespace docbase {

// Checks that the command interpreter, find, findstr and sort work; a failed
// check prints its message and ends the run at the closing prompt.
void check_tools(RunState& run);

}  // namespace docbase
