#pragma once
#include "app/run_state.h"

namespace docbase {

// Step 4: empties htm_out, tests and counts the input, renews htm_in and
// prepares txt_wrk and htm_wrk.
void prepare_work_folders(RunState& run);
// Step 7: removes what an earlier run left: .htm*, .list and .txt files of the
// working folder and the old htm_out.
void remove_previous_outputs(RunState& run);
// Step 8 after the destination prompt: makes htm_in and htm_out and checks them.
void make_output_folders(RunState& run);

}  // namespace docbase
