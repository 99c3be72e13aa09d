#pragma once
#include <filesystem>

#include "app/run_state.h"

namespace docbase {

// Checks that the command interpreter, find, findstr and sort work; a failed
// check prints its message and ends the run at the closing prompt.
void check_tools(RunState& run);

// The lines of a check's result file that hold more than blanks; 0 for a
// file that does not exist.
long long check_line_count(const std::filesystem::path& result_file);

}  // namespace docbase
