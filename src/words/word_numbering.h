#pragma once
#include "app/run_state.h"

namespace docbase {

// Gives every key word its word id and every occurrence its occurrence number:
// wrd_01.txt in, wrd_03.txt, wrd_07.txt and wrd_08.txt out (and the files
// between); prints "processed 20%" and "processed 30%".
void number_words(RunState& run);

}  // namespace docbase
