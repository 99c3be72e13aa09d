#include "pages/next_word_page_table.h"

#include <algorithm>
#include <array>

#include "pages/id_files.h"
#include "pages/pair_entries.h"
#include "words/record_file.h"

namespace docbase {

void NextWordPageTable::need(std::string_view word_id, std::string_view page) {
  add_pair(word_ids_, pages_, entries_, word_id, page);
}

NextWordPageTable::Entry* NextWordPageTable::entry(int word_id, int page) {
  auto& entries = entries_[static_cast<std::size_t>(word_id)];
  auto found = std::lower_bound(entries.begin(), entries.end(), Entry{page});
  return found == entries.end() || found->page != page ? nullptr : &*found;
}

void NextWordPageTable::end_run(int word_id, const std::string& page,
                                const std::string& next_record_page) {
  if (compare_lines(next_record_page, page) <= 0) return;
  Entry* pair = entry(word_id, pages_.find(page));
  if (pair != nullptr && pair->next == NameTable::kAbsent)
    pair->next = pages_.add(next_record_page);
}

void NextWordPageTable::find(const RunState& run) {
  std::array<std::string, 5> record;
  std::string run_page;
  for (int id = 0; id < word_ids_.size(); ++id) {
    auto& entries = entries_[static_cast<std::size_t>(id)];
    std::sort(entries.begin(), entries.end());
    entries.erase(std::unique(entries.begin(), entries.end(),
                              [](const Entry& a, const Entry& b) { return a.page == b.page; }),
                  entries.end());
    RecordReader records(id_file(run, word_ids_.name(id)));
    bool in_run = false;
    while (!records.at_end()) {
      records.read_fields(record);
      if (in_run && record[0] == run_page) continue;
      if (in_run) end_run(id, run_page, record[0]);
      run_page = record[0];
      in_run = true;
    }
    // At the end the run meets empty fields, which never come after a page.
  }
}

std::string_view NextWordPageTable::next(std::string_view word_id, std::string_view page) const {
  int id = word_ids_.find(word_id);
  int page_number = pages_.find(page);
  if (id == NameTable::kAbsent || page_number == NameTable::kAbsent) return {};
  const auto& entries = entries_[static_cast<std::size_t>(id)];
  auto found = std::lower_bound(entries.begin(), entries.end(), Entry{page_number});
  if (found == entries.end() || found->page != page_number || found->next == NameTable::kAbsent) {
    return {};
  }
  return pages_.name(found->next);
}

}  // namespace docbase
