#pragma once
#include "app/run_state.h"

namespace docbase {

// Lists the pages (advertising page first), rewrites each into its prepared
// page and copies that to its numbered name; prints "processed 1%".
void prepare_pages(RunState& run);

}  // namespace docbase
