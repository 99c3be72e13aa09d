#pragma once
#include <cstddef>
#include <filesystem>
#include <string>

#include "app/run_state.h"

namespace docbase {

constexpr std::size_t kChunkLines = 2000;

// "file_s_" and the chunk number, no leading zeros, and ".txt".
std::string chunk_file_name(std::size_t number);

// Cuts the input into chunks of chunk_lines lines, orders each in memory and
// writes it to chunk files 1, 2, ...; gives the number of chunk files written.
std::size_t write_sorted_chunks(RunState& run, const std::filesystem::path& input,
                                std::size_t chunk_lines = kChunkLines);

}  // namespace docbase
