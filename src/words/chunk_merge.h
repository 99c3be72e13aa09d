#pragma once
#include <cstddef>
#include <limits>
#include <string_view>

#include "app/run_state.h"

namespace docbase {

constexpr std::size_t kMergeWidth = 50;
// The output of the last merge, copied to the sort's output name.
constexpr std::string_view kSortOutput = "sort_output.txt";

struct MergeLimits {
  std::size_t merge_width = kMergeWidth;  // chunk files merged at once, at least 2
  // Files the merge may hold open at once, its output included; opening one
  // more fails as if the system had no handle left. Tests lower it.
  std::size_t open_files = std::numeric_limits<std::size_t>::max();
};

// Merges chunk files 1 to chunk_count into sort_output.txt and checks the
// order of every merge output. Up to merge_width chunks are merged at once;
// more are merged in rounds, each merging the oldest files into a new chunk
// file, so every line is rewritten about log(chunks) times. Without handles
// for the full width it merges fewer files at a time. Ends the run on a
// sort error and where not even two files can be merged.
void merge_chunks(RunState& run, std::size_t chunk_count, const MergeLimits& limits = {});

}  // namespace docbase
