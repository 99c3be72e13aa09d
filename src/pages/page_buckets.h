#pragma once
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "app/run_state.h"
#include "pages/name_table.h"
#include "words/record_file.h"

namespace docbase {

// Occurrence records sorted into one bucket per page, each bucket keeping the
// order in which its records came. At most about buffer_bytes are held in
// memory: when the buffer fills, every bucket's records are appended to its
// spill file, which the buckets remove when they are destroyed.
class PageBuckets {
 public:
  static constexpr std::size_t kValues = 6;
  using Values = std::array<std::string, kValues>;

  PageBuckets(const RunState& run, std::size_t buffer_bytes);
  ~PageBuckets();
  PageBuckets(const PageBuckets&) = delete;
  PageBuckets& operator=(const PageBuckets&) = delete;

  void add_page(std::string_view page) { pages_.add(page); }
  // The bucket of a page, or NameTable::kAbsent.
  int bucket_of(std::string_view page) const { return pages_.find(page); }
  void add(int bucket, const Values& values);
  // Calls visit(const Values&) for every record of the bucket, in order.
  template <typename Visit>
  void for_each(int bucket, Visit visit);

 private:
  struct Bucket {
    std::string buffered;  // each value followed by a line feed
    bool spilled = false;
  };
  std::string spill_name(int bucket) const;
  void spill();

  const RunState& run_;
  std::size_t buffer_bytes_;
  std::size_t buffered_bytes_ = 0;
  NameTable pages_;
  std::vector<Bucket> buckets_;
  std::vector<int> filled_;
};

template <typename Visit>
void PageBuckets::for_each(int bucket, Visit visit) {
  if (bucket < 0 || static_cast<std::size_t>(bucket) >= buckets_.size()) return;
  Bucket& held = buckets_[static_cast<std::size_t>(bucket)];
  Values values;
  if (held.spilled) {
    LineReader spilled(run_.own_file(spill_name(bucket)));
    while (spilled.read_line(values[0])) {
      for (std::size_t i = 1; i < kValues; ++i)
        spilled.read_line(values[i]);
      visit(values);
    }
  }
  std::string_view rest = held.buffered;
  while (!rest.empty()) {
    for (std::string& value : values) {
      std::size_t end = rest.find('\n');
      value.assign(rest.substr(0, end));
      rest.remove_prefix(end + 1);
    }
    visit(values);
  }
}

}  // namespace docbase
