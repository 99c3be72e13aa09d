#pragma once
#include <filesystem>
#include <string>
#include <string_view>

#include "app/run_state.h"

namespace docbase {

// The passes of this area as first written, step for step: each rereads a
// file once per page, word or occurrence. They are kept only to check the
// fast passes against on small inputs.

// Groups the pages of wrd_07.txt, rereading group_page_all.txt for every new
// page, then sorts group_page_all.txt; gives the group count (no progress line).
long long reference_form_page_groups(RunState& run);

// Writes wrd_11_[G].txt, wrd_13_[G].txt and wrd_15.txt, rereading wrd_08.txt
// for every page of every group, each group followed by its two sort commands.
void reference_write_group_word_files(RunState& run);

// Writes the id files (the lines of wrd_03.txt that contain the id) and
// wrd_24_[G].txt, searching the id file from its start for every record.
void reference_find_next_word_pages(RunState& run);

// Counts the last occurrence on page from the id file's first line.
long long reference_last_occurrence(const std::filesystem::path& id_file, std::string_view page);

// Reads the sorted page list from its first line up to the page.
void reference_look_up(const std::filesystem::path& sorted_pages, std::string_view page,
                       std::string& before, std::string& next);

}  // namespace docbase
