#pragma once
#include <array>
#include <cstddef>
#include <filesystem>
#include <string>

#include "words/record_file.h"

namespace docbase {

// A run: consecutive records that agree exactly on two key fields. Its values
// are those of its first record.
template <std::size_t kFields>
struct RecordRun {
  std::array<std::string, kFields> first;
  long long count = 0;
};

// Reads a record file of kFields fields per record as its runs, one run at a
// time, holding only the run being built and the record that ended it.
template <std::size_t kFields>
class RecordRuns {
 public:
  RecordRuns(const std::filesystem::path& file, std::size_t first_key, std::size_t second_key)
      : reader_(file), first_key_(first_key), second_key_(second_key) {}

  // The next run; false at the end of the file.
  bool next(RecordRun<kFields>& run) {
    if (!has_lookahead_ && !read_record()) return false;
    run.first.swap(lookahead_);
    run.count = 1;
    has_lookahead_ = false;
    while (read_record()) {
      if (!same_run(run.first)) {
        has_lookahead_ = true;
        return true;
      }
      ++run.count;
    }
    return true;
  }

 private:
  bool read_record() {
    if (reader_.at_end()) return false;
    reader_.read_fields(lookahead_);
    return true;
  }
  bool same_run(const std::array<std::string, kFields>& first) const {
    return lookahead_[first_key_] == first[first_key_] &&
           lookahead_[second_key_] == first[second_key_];
  }

  RecordReader reader_;
  std::size_t first_key_;
  std::size_t second_key_;
  std::array<std::string, kFields> lookahead_;
  bool has_lookahead_ = false;
};

}  // namespace docbase
