#pragma once
#include "app/run_state.h"

namespace docbase {

// Writes publisher_para.txt: every choice offered for the presentation
// parameters, section by section, each section under its header line.
void write_parameter_list(RunState& run);

}  // namespace docbase
