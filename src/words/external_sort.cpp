#include "words/external_sort.h"

#include <filesystem>
#include <system_error>

#include "app/exit_status.h"
#include "words/chunk_merge.h"
#include "words/record_file.h"
#include "words/sort_chunks.h"

namespace docbase {
namespace {

void copy_replacing(const std::filesystem::path& from, const std::filesystem::path& to,
                    const std::string& to_name) {
  // A name that would leave the working folder swallows what is written to it.
  if (to.empty()) return;
  std::error_code error;
  std::filesystem::copy_file(from, to, std::filesystem::copy_options::overwrite_existing, error);
  if (error) throw WriteError(to_name, error.message());
}

}  // namespace

void external_sort(RunState& run) {
  sort_file(run, MergeLimits());
}

void sort_file(RunState& run, const MergeLimits& limits) {
  // A caller that names no input has gone wrong: the run cannot go on.
  if (run.sort_input.empty()) throw RunEnd{kExitSortFailed};
  // Removes the chunk files of an earlier call; the listing only makes sure
  // there is one to delete.
  run.shell("dir > file_s_01.txt");
  run.shell("del /q file_s_*.txt > null.txt");
  std::size_t chunks = write_sorted_chunks(run, run.file(run.sort_input));
  merge_chunks(run, chunks, limits);
  copy_replacing(run.own_file(kSortOutput), run.file(run.sort_output), run.sort_output);
}

}  // namespace docbase
