#pragma once
#include "app/run_state.h"

namespace docbase {

// Writes f_promote.htm and copies it into htm_in, where it becomes page 1.
void write_advertising_page(RunState& run);

}  // namespace docbase
