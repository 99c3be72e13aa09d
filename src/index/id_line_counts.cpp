#include "index/id_line_counts.h"

#include <algorithm>

#include "words/record_file.h"

namespace docbase {

void IdLineCounts::want(std::string_view id) {
  if (!tallies_.try_emplace(std::string(id)).second) return;
  if (std::find(lengths_.begin(), lengths_.end(), id.size()) == lengths_.end()) {
    lengths_.push_back(id.size());
  }
  if (!id.empty()) first_bytes_.set(static_cast<unsigned char>(id.front()));
}

bool IdLineCounts::count_lines_of(const std::filesystem::path& file) {
  LineReader reader(file);
  if (!reader.is_open()) return false;
  std::string line;
  long long line_number = 0;
  while (reader.read_line(line))
    count_line(line, ++line_number);
  return true;
}

long long IdLineCounts::count(std::string_view id) const {
  auto found = tallies_.find(id);
  return found == tallies_.end() ? 0 : found->second.lines;
}

void IdLineCounts::count_line(std::string_view line, long long line_number) {
  // The empty text is in every line.
  if (auto empty = tallies_.find(std::string_view()); empty != tallies_.end()) {
    tally(empty->second, line_number);
  }
  for (std::size_t start = 0; start < line.size(); ++start) {
    if (!first_bytes_.test(static_cast<unsigned char>(line[start]))) continue;
    for (std::size_t length : lengths_) {
      if (length == 0 || length > line.size() - start) continue;
      auto found = tallies_.find(line.substr(start, length));
      if (found != tallies_.end()) tally(found->second, line_number);
    }
  }
}

void IdLineCounts::tally(Tally& tally, long long line_number) {
  if (tally.last_line == line_number) return;
  tally.lines += 1;
  tally.last_line = line_number;
}

}  // namespace docbase
