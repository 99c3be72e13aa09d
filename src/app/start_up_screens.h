#pragma once
#include "app/run_state.h"

namespace docbase {

// The title with the terms of use, the console font notice and the install
// notice, each confirmed at a choice prompt.
void show_start_up_screens(RunState& run);

}  // namespace docbase
