#pragma once
#include "app/run_state.h"
#include "words/record_file.h"

namespace docbase {

// The script that turns the address fragment a page was opened with into a
// style: every element of that id in the highlight colour and size, bold,
// and, with find word on, shown even when hidden.
void write_highlight_script(LineWriter& page, const RunState& run);

}  // namespace docbase
