#pragma once
#include <string_view>

#include "app/run_state.h"

namespace docbase {

// Prints the two choice lines and polls: key 1 returns, key 2 ends the run with
// status 0. In the developer folder every poll counts as key 1. At the end of
// input the run ends with kExitInputEnded.
void choice_prompt(RunState& run, std::string_view first_line, std::string_view second_line);

// "<1> = continue and end": waits for key 1 (or the end of input), then ends
// the run with the given status.
[[noreturn]] void closing_prompt(RunState& run, int status);

// Prints line and waits for any key (or the end of input).
void any_key_prompt(RunState& run, std::string_view line);
// The same, then ends the run with the given status: "<...> any key to continue and end".
[[noreturn]] void any_key_prompt_and_end(RunState& run, int status);

// Whether the working folder's path holds both developer marker words.
bool is_developer_folder(RunState& run);

}  // namespace docbase
