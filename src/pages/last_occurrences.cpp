#include "pages/last_occurrences.h"

#include <algorithm>
#include <string>

#include "pages/id_files.h"
#include "pages/substring_finder.h"
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
  int id = word_ids_.add(word_id);
  if (static_cast<std::size_t>(id) >= entries_.size()) entries_.resize(entries_.size() + 1);
  auto& entries = entries_[static_cast<std::size_t>(id)];
  int page_number = pages_.add(page);
  // The records of one page come together, so this keeps one entry per pair.
  if (entries.empty() || entries.back().page != page_number) entries.push_back({page_number});
}

void LastOccurrences::count(const RunState& run) {
  SubstringFinder finder(pages_, "page_");
  for (int id = 0; id < word_ids_.size(); ++id) {
    auto& entries = entries_[static_cast<std::size_t>(id)];
    std::sort(entries.begin(), entries.end());
    entries.erase(std::unique(entries.begin(), entries.end(),
                              [](const Entry& a, const Entry& b) { return a.page == b.page; }),
                  entries.end());
    count_file(run, id, finder);
  }
}

void LastOccurrences::count_file(const RunState& run, int word_id, const SubstringFinder& finder) {
  auto& entries = entries_[static_cast<std::size_t>(word_id)];
  LineReader lines(id_file(run, word_ids_.name(word_id)));
  std::string line;
  std::vector<int> pages_on_line;
  std::vector<Entry*> in_run;
  std::vector<Entry*> still_in_run;
  long long line_number = 0;
  while (lines.read_line(line)) {
    ++line_number;
    finder.find(line, pages_on_line);
    still_in_run.clear();
    for (int page : pages_on_line) {
      Entry* pair = find_entry(entries, page);
      if (pair == nullptr || pair->run == Run::kOver) continue;
      pair->run = Run::kIn;
      pair->last = line_number;
      still_in_run.push_back(pair);
    }
    for (Entry* pair : in_run) {
      if (pair->last != line_number) pair->run = Run::kOver;
    }
    in_run.swap(still_in_run);
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
