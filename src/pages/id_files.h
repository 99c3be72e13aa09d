#pragma once
#include <cstddef>
#include <filesystem>
#include <string_view>

#include "app/run_state.h"
#include "pages/name_table.h"

namespace docbase {

// The id file of a word id: the id followed by ".txt".
std::filesystem::path id_file(const RunState& run, std::string_view word_id);

// The word id of a line of wrd_03.txt: its last field.
std::string_view word_id_field(std::string_view line);

// Writes the id file of every word id of the table: the lines of wrd_03.txt
// whose word id field is that id, in their order there (an empty file when
// none is). Only that field counts: a word whose text holds another word's id
// must not join that word's file, or the other word's occurrences would be
// counted wrong and its links would land on pages without it. One pass over
// wrd_03.txt; at most about buffer_bytes of lines are held before they are
// appended to their files.
void write_id_files(const RunState& run, const NameTable& word_ids, std::size_t buffer_bytes);

}  // namespace docbase
