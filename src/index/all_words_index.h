#pragma once
#include "app/run_state.h"

namespace docbase {

// Sorts wrd_15.txt into wrd_16.txt and writes index.htm; prints
// "processed 70%", "processed 80%" (three records or more) and "processed 90%".
void write_all_words_index(RunState& run);

// The part after the sort: index.htm from wrd_16.txt, with the progress lines.
void write_all_words_page(RunState& run);

}  // namespace docbase
