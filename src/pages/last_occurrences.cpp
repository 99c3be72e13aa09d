#include "pages/last_occurrences.h"

#include <algorithm>
#include <string>

#include "pages/id_files.h"
#include "pages/pair_entries.h"
#include "words/record_file.h"

namespace docbase {
namespace {

template <typename Entries>
auto* find_entry(Entries& entries, int page) {
  auto found = std::lower_bound(entries.begin(), entries.end(), typename Entries::value_type{page});
  return found == entries.end() || found->page != page ? nullptr : &*found;
}

}  // namespace

void LastOccurrences::need(std::string_view word_id, std::string_view page) {
  add_pair(word_ids_, pages_, entries_, word_id, page);
}

void LastOccurrences::count(const RunState& run) {
  for (int id = 0; id < word_ids_.size(); ++id) {
    auto& entries = entries_[static_cast<std::size_t>(id)];
    std::sort(entries.begin(), entries.end());
    entries.erase(std::unique(entries.begin(), entries.end(),
                              [](const Entry& a, const Entry& b) { return a.page == b.page; }),
                  entries.end());
    count_file(run, id);
  }
}

void LastOccurrences::count_file(const RunState& run, int word_id) {
  auto& entries = entries_[static_cast<std::size_t>(word_id)];
  LineReader lines(id_file(run, word_ids_.name(word_id)));
  std::string line;
  Entry* in_run = nullptr;
  long long line_number = 0;
  while (lines.read_line(line)) {
    ++line_number;
    Entry* pair = find_entry(entries, pages_.find(first_field(line)));
    if (in_run != nullptr && pair != in_run) in_run->run = Run::kOver;
    in_run = nullptr;
    if (pair == nullptr || pair->run == Run::kOver) continue;
    pair->run = Run::kIn;
    pair->last = line_number;
    in_run = pair;
  }
  for (Entry& pair : entries) {
    if (pair.run == Run::kNotMet) pair.last = line_number;
  }
}

long long LastOccurrences::last(std::string_view word_id, std::string_view page) const {
  int id = word_ids_.find(word_id);
  int page_number = pages_.find(page);
  if (id == NameTable::kAbsent || page_number == NameTable::kAbsent) return 0;
  const Entry* pair = find_entry(entries_[static_cast<std::size_t>(id)], page_number);
  return pair == nullptr ? 0 : pair->last;
}

}  // namespace docbase
