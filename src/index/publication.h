#pragma once
#include "app/run_state.h"

namespace docbase {

// Fills htm_out, deletes the intermediate files and removes the work folders;
// prints "processed 100%" and runs the closing commands.
void publish_and_clean_up(RunState& run);
// The results screen, then the final any-key prompt, which ends the run with status 0.
void show_results(RunState& run);

}  // namespace docbase
