#pragma once
#include "app/run_state.h"

namespace docbase {

// Rewrites the pages of one group into their annotated pages.
void annotate_group(RunState& run, long long group);

}  // namespace docbase
