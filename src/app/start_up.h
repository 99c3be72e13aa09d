#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "app/run_state.h"

namespace docbase {

// The module name with its last three characters replaced by "exe".
std::string program_name_of(std::string_view module_name);

// The target site that the program name stands for, or nothing when the name
// holds none of the markers "www.", "http." and "https.".
std::optional<std::string> derive_target_site(std::string_view program_name);

// Step 1: chcp, the module name, the program path and the target site; shows
// the rename instructions and ends the run when there is no target site.
void start_up(RunState& run);

// Step 8: asks for the destination address.
void ask_destination_address(RunState& run);

}  // namespace docbase
