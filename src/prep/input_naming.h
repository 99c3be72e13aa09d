#pragma once
#include <string>

#include "app/run_state.h"

namespace docbase {

// Ends the run when txt_in lists no ".txt" name.
void test_input_present(RunState& run);
// Sets the input count from the listing of txt_in, or ends the run.
void count_input_files(RunState& run);
// Copies the input files into txt_wrk and gives them safe names.
void copy_and_rename_inputs(RunState& run);

// The zeros that page numbers are padded with, chosen from the page count n.
std::string page_padding(long long n);
// Page number k padded by the padding of page count n.
std::string padded_page_number(long long n, long long k);

}  // namespace docbase
