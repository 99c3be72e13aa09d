#pragma once
#include "app/run_state.h"

namespace docbase {

// Cuts every numbered page into words: wrd_01.txt and the page trace files;
// prints "processed 10%".
void extract_words(RunState& run);

// The same for the pages listed in dir_02.txt as it stands.
void extract_listed_pages(RunState& run);

}  // namespace docbase
