#pragma once
#include <string>

#include "app/run_state.h"

namespace docbase {

// Gives every key word its word id and every occurrence its occurrence number:
// wrd_01.txt in, wrd_03.txt, wrd_07.txt and wrd_08.txt out (and the files
// between); prints "processed 20%" and "processed 30%".
void number_words(RunState& run);

// 100000000 minus the occurrence number, in 8 digits, so that ascending keys
// list descending numbers; the number itself from 100000000 on.
std::string reverse_count_key(const std::string& occurrence_number);

}  // namespace docbase
