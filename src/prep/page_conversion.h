#pragma once
#include "app/run_state.h"

namespace docbase {

// Converts every file of txt_wrk into a page of htm_wrk, lists the pages for
// confirmation, and stages them into htm_in and htm_ndx\htm_in.
void convert_and_stage_pages(RunState& run);

}  // namespace docbase
