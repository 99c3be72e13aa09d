#pragma once
#include <set>
#include <string>
#include <string_view>

#include "app/run_state.h"

namespace docbase {

// Whether the listings and command lines of the run can carry a name: no
// control byte (a line break would split it in two listing lines) and none
// of \ : * ? " < > | (path separator, drive, wildcards, quote, redirection).
bool is_carriable_name(std::string_view name);

// A name for a copy that is free in its folder: safe itself, or safe with
// "_2", "_3", ... before its ".txt", the first whose page base (lower-cased,
// without ".txt") is not in taken_bases. A base too long for the names made
// from it is cut first.
std::string free_copy_name(std::string_view safe, const std::set<std::string>& taken_bases);

// The page base a copy in txt_wrk gives its pages: the name without its last
// ".txt", lower-cased, as the page list writes it.
std::string page_base(std::string_view name);

// Before the renaming passes: gives every copy in txt_wrk whose name cannot
// be carried a free safe name, so that no command line holds such a name.
void rename_uncarriable_copies(RunState& run);

// After the renaming passes: a copy whose rename failed may still give the
// same page as another (names equal but for letter case, or a rename whose
// target was taken) or a page of the program's own, or hold a base too long
// for the names of its pages; it gets a free safe name, so that every text
// keeps a page of its own.
void rename_clashing_copies(RunState& run);

}  // namespace docbase
