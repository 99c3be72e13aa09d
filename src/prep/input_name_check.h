#pragma once
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "app/run_state.h"

namespace docbase {

// One line per input name in folder that the run could not carry through its
// listings and command lines: a name holding a control byte (a line break
// would split it in two listing lines), one of \ : * ? " < > | (path
// separator, drive, wildcards, quote, redirection), or two names equal but
// for letter case (the copies would land in one file). Sorted by name.
std::vector<std::string> unusable_input_names(const std::filesystem::path& folder);

// A name as it can be shown on the console: control bytes in caret notation.
std::string shown_name(std::string_view name);

// Ends the run, before any input is copied, when txt_in holds such names.
void refuse_unusable_input_names(RunState& run);

}  // namespace docbase
