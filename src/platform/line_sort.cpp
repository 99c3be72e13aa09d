#include "platform/line_sort.h"

#include <unistd.h>

#include <algorithm>
#include <queue>

#include "platform/names.h"
#include "words/record_file.h"

namespace docbase {
namespace {

// More runs than this are merged in several passes, so that open files and
// read buffers stay bounded.
constexpr std::size_t kMergeWidth = 64;
constexpr std::size_t kBlockBytes = 1 << 20;

bool line_less(std::string_view a, std::string_view b) {
  return name_order_less(a, b);
}

}  // namespace

// The lines of one run, kept in large blocks so that a line costs little
// beyond its bytes.
class LineSorter::Run {
 public:
  explicit Run(std::size_t block_bytes) : block_bytes_(block_bytes) {}

  void add(std::string_view line) {
    if (blocks_.empty() || room_ < line.size()) {
      std::size_t size = std::max(block_bytes_, line.size());
      blocks_.push_back(std::make_unique<char[]>(size));
      bytes_ += size;
      room_ = size;
      free_ = blocks_.back().get();
    }
    std::copy(line.begin(), line.end(), free_);
    lines_.emplace_back(free_, line.size());
    free_ += line.size();
    room_ -= line.size();
  }

  // Memory held: the blocks and the line index.
  std::size_t bytes() const { return bytes_ + lines_.capacity() * sizeof(std::string_view); }
  bool empty() const { return lines_.empty(); }

  const std::vector<std::string_view>& sorted() {
    std::sort(lines_.begin(), lines_.end(), line_less);
    return lines_;
  }

 private:
  std::size_t block_bytes_;
  std::vector<std::unique_ptr<char[]>> blocks_;
  std::size_t bytes_ = 0;  // of all blocks
  std::size_t room_ = 0;   // left in the last block
  char* free_ = nullptr;   // where the last block's room begins
  std::vector<std::string_view> lines_;
};

LineSorter::LineSorter(std::filesystem::path temp_folder, std::size_t run_bytes)
    : temp_folder_(std::move(temp_folder)),
      run_bytes_(std::max<std::size_t>(run_bytes, 1)),
      current_(std::make_unique<Run>(block_bytes())) {}

// Several blocks to a run, so that a small run size still gathers many lines.
std::size_t LineSorter::block_bytes() const {
  return std::clamp<std::size_t>(run_bytes_ / 8, 1, kBlockBytes);
}

LineSorter::~LineSorter() {
  for (const auto& name : made_)
    ::unlink(name.c_str());
}

bool LineSorter::read(const std::filesystem::path& input) {
  LineReader reader(input);
  if (!reader.is_open()) return false;
  std::string line;
  while (reader.read_line(line))
    add_line(line);
  return true;
}

void LineSorter::add_line(std::string_view line) {
  current_->add(line);
  if (current_->bytes() >= run_bytes_) spill();
}

std::filesystem::path LineSorter::next_run_name() {
  std::filesystem::path name = temp_folder_ / (".sort_run_" + std::to_string(::getpid()) + "_" +
                                               std::to_string(run_number_++));
  made_.push_back(name);
  return name;
}

void LineSorter::spill() {
  if (current_->empty()) return;
  std::filesystem::path name = next_run_name();
  LineWriter file(name);
  if (!file.is_open()) throw WriteError(name.string(), "cannot be created");
  for (std::string_view line : current_->sorted())
    file.write_line(line);
  file.close();
  runs_.push_back(name);
  current_ = std::make_unique<Run>(block_bytes());
}

void LineSorter::write(const std::function<void(std::string_view)>& emit) {
  if (runs_.empty()) {
    // Everything fit into one run: no file at all.
    for (std::string_view line : current_->sorted())
      emit(line);
    return;
  }
  spill();
  merge(merge_down(runs_), emit);
}

std::vector<std::filesystem::path> LineSorter::merge_down(std::vector<std::filesystem::path> runs) {
  while (runs.size() > kMergeWidth) {
    std::vector<std::filesystem::path> merged;
    for (std::size_t start = 0; start < runs.size(); start += kMergeWidth) {
      std::size_t end = std::min(runs.size(), start + kMergeWidth);
      std::vector<std::filesystem::path> group(runs.begin() + static_cast<std::ptrdiff_t>(start),
                                               runs.begin() + static_cast<std::ptrdiff_t>(end));
      std::filesystem::path name = next_run_name();
      LineWriter file(name);
      if (!file.is_open()) throw WriteError(name.string(), "cannot be created");
      merge(group, [&file](std::string_view line) { file.write_line(line); });
      file.close();
      for (const auto& done : group)
        ::unlink(done.c_str());
      merged.push_back(name);
    }
    runs = std::move(merged);
  }
  return runs;
}

void LineSorter::merge(const std::vector<std::filesystem::path>& runs,
                       const std::function<void(std::string_view)>& emit) {
  std::vector<std::unique_ptr<LineReader>> readers;
  std::vector<std::string> heads(runs.size());
  auto later = [&heads](std::size_t a, std::size_t b) {
    if (line_less(heads[b], heads[a])) return true;
    return !line_less(heads[a], heads[b]) && b < a;
  };
  std::priority_queue<std::size_t, std::vector<std::size_t>, decltype(later)> queue(later);
  for (std::size_t i = 0; i < runs.size(); ++i) {
    readers.push_back(std::make_unique<LineReader>(runs[i]));
    if (readers[i]->read_line(heads[i])) queue.push(i);
  }
  while (!queue.empty()) {
    std::size_t next = queue.top();
    queue.pop();
    emit(heads[next]);
    if (readers[next]->read_line(heads[next])) queue.push(next);
  }
}

}  // namespace docbase
