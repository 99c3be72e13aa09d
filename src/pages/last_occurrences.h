#pragma once
#include <string_view>
#include <vector>

#include "app/run_state.h"
#include "pages/name_table.h"

namespace docbase {

class SubstringFinder;

// The last occurrence of a word on a page, counted from the word's id file:
// the number of the last line of the first run of lines that contain the
// page name; all lines of the file when none does; 0 for an empty or missing
// file. Counted for every (word id, page) pair asked for by one read of each
// id file, where a count from the file's start per occurrence would read the
// file once per occurrence.
class LastOccurrences {
 public:
  void need(std::string_view word_id, std::string_view page);
  // Reads the id file of every word id asked for.
  void count(const RunState& run);
  long long last(std::string_view word_id, std::string_view page) const;

 private:
  enum class Run : unsigned char { kNotMet, kIn, kOver };
  struct Entry {
    int page;
    long long last = 0;
    Run run = Run::kNotMet;
    bool operator<(const Entry& other) const { return page < other.page; }
  };
  void count_file(const RunState& run, int word_id, const SubstringFinder& finder);

  NameTable word_ids_;
  NameTable pages_;
  std::vector<std::vector<Entry>> entries_;  // per word id, by page number once counted
};

}  // namespace docbase
