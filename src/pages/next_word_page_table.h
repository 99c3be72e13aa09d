#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "app/run_state.h"
#include "pages/name_table.h"

namespace docbase {

// The next word page of every (word id, page) pair asked for, found by one
// read of each id file: walking the id file's records, each run of records of
// page P ends at a record of another page; the first such record whose page
// comes after P in line order is P's next word page. That is what a search
// from the id file's start for every occurrence finds.
class NextWordPageTable {
 public:
  void need(std::string_view word_id, std::string_view page);
  const NameTable& word_ids() const { return word_ids_; }
  // Reads the id file of every word id asked for.
  void find(const RunState& run);
  // The next word page, or the empty value.
  std::string_view next(std::string_view word_id, std::string_view page) const;

 private:
  struct Entry {
    int page;
    int next = NameTable::kAbsent;
    bool operator<(const Entry& other) const { return page < other.page; }
  };
  Entry* entry(int word_id, int page);
  void end_run(int word_id, const std::string& page, const std::string& next_record_page);

  NameTable word_ids_;
  NameTable pages_;                          // also holds the next word pages found
  std::vector<std::vector<Entry>> entries_;  // per word id, by page number once found
};

}  // namespace docbase
