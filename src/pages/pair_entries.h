#pragma once
#include <string_view>
#include <vector>

#include "pages/name_table.h"

namespace docbase {

// Records a (word id, page) pair in per-word lists of entries that begin with
// a page number, numbering word ids and pages in the tables as they come.
template <typename Entry>
void add_pair(NameTable& word_ids, NameTable& pages, std::vector<std::vector<Entry>>& entries,
              std::string_view word_id, std::string_view page) {
  int id = word_ids.add(word_id);
  if (static_cast<std::size_t>(id) >= entries.size()) entries.resize(entries.size() + 1);
  auto& of_word = entries[static_cast<std::size_t>(id)];
  int page_number = pages.add(page);
  // The records of one page come together, so this keeps one entry per pair.
  if (of_word.empty() || of_word.back().page != page_number) of_word.push_back({page_number});
}

}  // namespace docbase
