#include "pages/page_buckets.h"

#include <system_error>

namespace docbase {

PageBuckets::PageBuckets(const RunState& run, std::size_t buffer_bytes)
    : run_(run), buffer_bytes_(buffer_bytes) {}

PageBuckets::~PageBuckets() {
  for (std::size_t bucket = 0; bucket < buckets_.size(); ++bucket) {
    if (!buckets_[bucket].spilled) continue;
    std::error_code ignored;
    std::filesystem::remove(run_.own_file(spill_name(static_cast<int>(bucket))), ignored);
  }
}

std::string PageBuckets::spill_name(int bucket) const {
  return "group_spill_" + std::to_string(bucket) + ".txt";
}

void PageBuckets::add(int bucket, const Values& values) {
  if (buckets_.size() < static_cast<std::size_t>(pages_.size())) buckets_.resize(pages_.size());
  Bucket& held = buckets_[static_cast<std::size_t>(bucket)];
  if (held.buffered.empty()) filled_.push_back(bucket);
  std::size_t before = held.buffered.size();
  for (const std::string& value : values) {
    held.buffered += value;
    held.buffered += '\n';
  }
  buffered_bytes_ += held.buffered.size() - before;
  if (buffered_bytes_ > buffer_bytes_) spill();
}

void PageBuckets::spill() {
  for (int bucket : filled_) {
    Bucket& held = buckets_[static_cast<std::size_t>(bucket)];
    auto mode = held.spilled ? LineWriter::Mode::kAppend : LineWriter::Mode::kCreate;
    LineWriter out(run_.own_file(spill_name(bucket)), mode);
    out.write(held.buffered);
    out.close();
    held.spilled = true;
    std::string().swap(held.buffered);  // gives the memory back, not just the length
  }
  filled_.clear();
  buffered_bytes_ = 0;
}

}  // namespace docbase
