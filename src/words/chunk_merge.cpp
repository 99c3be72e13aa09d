#include "words/chunk_merge.h"

#include <algorithm>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "app/exit_status.h"
#include "words/bytes.h"
#include "words/record_file.h"
#include "words/sort_chunks.h"
#include "words/sort_work_file.h"

namespace docbase {
namespace {

void check_order(RunState& run, const std::filesystem::path& merged) {
  LineReader reader(merged);
  std::string previous;
  std::string line;
  if (!reader.read_line(previous)) return;
  while (reader.read_line(line)) {
    if (compare_lines(line, previous) < 0) {
      run.console.print_line("sort error");
      throw RunEnd{kExitSortFailed};
    }
    previous.swap(line);
  }
}

class ChunkMerge {
 public:
  ChunkMerge(RunState& run, std::size_t chunk_count, const MergeLimits& limits)
      : run_(run),
        open_limit_(limits.open_files),
        width_(std::max<std::size_t>(2, limits.merge_width)) {
    for (std::size_t chunk = 1; chunk <= chunk_count; ++chunk)
      pending_.push_back(chunk);
    next_chunk_ = chunk_count + 1;
  }

  void merge_all() {
    for (;;) {
      if (pending_.size() <= width_) {
        if (merge({pending_.begin(), pending_.end()}, std::string(kSortOutput))) return;
        continue;
      }
      // The first merge takes just enough files that every later one can take
      // the full width and the last one ends with all that is left.
      std::size_t group = (pending_.size() - 2) % (width_ - 1) + 2;
      std::vector<std::size_t> chunks(pending_.begin(),
                                      pending_.begin() + static_cast<long>(group));
      if (!merge(chunks, chunk_file_name(next_chunk_))) continue;
      pending_.erase(pending_.begin(), pending_.begin() + static_cast<long>(group));
      pending_.push_back(next_chunk_++);
      for (std::size_t chunk : chunks)
        run_.shell("del /q " + chunk_file_name(chunk) + " > out_null.list");
    }
  }

 private:
  // Merges the chunks into target and checks its order; false when handles
  // ran short and the width was narrowed instead.
  bool merge(const std::vector<std::size_t>& chunks, const std::string& target) {
    auto output = open_limit_ >= 1 ? create_work_file(run_.own_file(target))
                                   : OpenedWorkFile<LineWriter>{nullptr, true};
    if (!output.file) stop_without_handles(chunks.size(), target);
    std::vector<std::unique_ptr<LineReader>> inputs;
    for (std::size_t chunk : chunks) {
      auto input = inputs.size() + 1 < open_limit_
                       ? open_work_file_for_reading(run_.own_file(chunk_file_name(chunk)))
                       : OpenedWorkFile<LineReader>{nullptr, true};
      if (!input.file) return narrow(chunks.size(), inputs.size(), chunk_file_name(chunk));
      inputs.push_back(std::move(input.file));
    }
    write_merged(inputs, *output.file);
    output.file->close();
    inputs.clear();
    check_order(run_, run_.own_file(target));
    return true;
  }

  bool narrow(std::size_t wanted, std::size_t opened, const std::string& failed_name) {
    if (opened < 2) stop_without_handles(wanted, failed_name);
    width_ = opened;
    return false;
  }

  static void write_merged(std::vector<std::unique_ptr<LineReader>>& inputs, LineWriter& output) {
    std::vector<std::string> heads(inputs.size());
    std::vector<std::size_t> heap;
    auto later = [&heads](std::size_t a, std::size_t b) {
      return compare_lines(heads[a], heads[b]) > 0;
    };
    for (std::size_t i = 0; i < inputs.size(); ++i) {
      if (inputs[i]->read_line(heads[i])) heap.push_back(i);
    }
    std::make_heap(heap.begin(), heap.end(), later);
    while (!heap.empty()) {
      std::pop_heap(heap.begin(), heap.end(), later);
      std::size_t least = heap.back();
      output.write_line(heads[least]);
      if (inputs[least]->read_line(heads[least])) {
        std::push_heap(heap.begin(), heap.end(), later);
      } else {
        heap.pop_back();
      }
    }
  }

  // merged: the number of files the failed merge was to merge.
  [[noreturn]] void stop_without_handles(std::size_t merged, const std::string& file_name) {
    run_.console.print_line("---------- sort error ----------");
    run_.console.print_line("number of files > file.max");
    run_.console.print_line("file.max = " + number_text(static_cast<long long>(merged)));
    run_.console.print_line("sort.input$ = " + run_.sort_input);
    run_.console.print_line("sort.output$ = " + run_.sort_output);
    run_.console.print_line("file.name.02$ = " + file_name);
    run_.console.print_line("file.num.02 = " + number_text(0));
    throw RunEnd{kExitSortFailed};
  }

  RunState& run_;
  std::size_t open_limit_;
  std::size_t width_;
  std::deque<std::size_t> pending_;
  std::size_t next_chunk_ = 1;
};

}  // namespace

void merge_chunks(RunState& run, std::size_t chunk_count, const MergeLimits& limits) {
  ChunkMerge(run, chunk_count, limits).merge_all();
}

}  // namespace docbase
