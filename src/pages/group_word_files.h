#pragma once
#include <cstddef>

#include "app/run_state.h"

namespace docbase {

// Writes wrd_11_[G].txt to wrd_14_[G].txt for every group, and wrd_15.txt.
void write_group_word_files(RunState& run);
// The same, holding at most about buffer_bytes of occurrence records in memory.
void write_group_word_files(RunState& run, std::size_t buffer_bytes);

}  // namespace docbase
