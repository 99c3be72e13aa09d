#pragma once
#include "app/run_state.h"

namespace docbase {

// Writes publisher_para.txt, shows the parameter overview, settles the values
// in force and clears the console.
void settle_presentation_parameters(RunState& run);

}  // namespace docbase
