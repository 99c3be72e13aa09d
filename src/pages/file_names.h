#pragma once
#include <filesystem>
#include <string>
#include <string_view>

#include "app/run_state.h"

namespace docbase {

// A file of a page group: the stem, the group number in decimal and ".txt"
// (wrd_11_ and 3 give wrd_11_3.txt).
std::string group_file_name(std::string_view stem, long long group);

// The path of a working-folder file whose name comes from the program's own
// files (a page, a word id). Plain lower-case names, written by the thousand,
// skip the directory lookup; anything else is resolved with the interpreter's
// rules, so that a name from a damaged file can never leave the working folder.
std::filesystem::path made_file(const RunState& run, std::string_view name);

}  // namespace docbase
