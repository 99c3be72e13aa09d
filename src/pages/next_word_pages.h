#pragma once
#include <cstddef>

#include "app/run_state.h"

namespace docbase {

// Finds the next word page of every occurrence: the id files and
// wrd_24_[G].txt; prints "processed 50%".
void find_next_word_pages(RunState& run);
// The same, holding at most about buffer_bytes of id-file lines in memory.
void find_next_word_pages(RunState& run, std::size_t buffer_bytes);
// Keeps a copy of the wrd_24_[G].txt files in the folder wrd_24.
void copy_to_wrd_24_folder(RunState& run);

}  // namespace docbase
