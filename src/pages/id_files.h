#pragma once
#include <cstddef>
#include <filesystem>
#include <string_view>

#include "app/run_state.h"
#include "pages/name_table.h"

namespace docbase {

// The id file of a word id: the id followed by ".txt".
std::filesystem::path id_file(const RunState& run, std::string_view word_id);

// Writes the id file of every word id of the table: the lines of wrd_03.txt
// that contain the id anywhere, in their order there (an empty file when none
// does). One pass over wrd_03.txt; at most about buffer_bytes of lines are
// held before they are appended to their files.
void write_id_files(const RunState& run, const NameTable& word_ids, std::size_t buffer_bytes);

}  // namespace docbase
