#pragma once
#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace docbase {

// Sorts the lines of a file of any size in name order (ASCII letters as
// lower case, ties bytewise). Runs of at most run_bytes are ordered in
// memory; when the input needs more than one, they go to temporary files in
// temp_folder (".sort_run_..." names, which no program file can have) and are
// merged. The temporary files are removed when the sorter goes.
class LineSorter {
 public:
  LineSorter(std::filesystem::path temp_folder, std::size_t run_bytes);
  ~LineSorter();
  LineSorter(const LineSorter&) = delete;
  LineSorter& operator=(const LineSorter&) = delete;

  // Takes every line of input (ended by CR LF, LF or CR); false when it
  // cannot be opened. The input is read to its end before read returns, so
  // the output may replace it.
  bool read(const std::filesystem::path& input);
  // Hands the lines over in order.
  void write(const std::function<void(std::string_view)>& emit);

 private:
  class Run;
  std::size_t block_bytes() const;
  void add_line(std::string_view line);
  void spill();
  std::filesystem::path next_run_name();
  void merge(const std::vector<std::filesystem::path>& runs,
             const std::function<void(std::string_view)>& emit);
  std::vector<std::filesystem::path> merge_down(std::vector<std::filesystem::path> runs);

  std::filesystem::path temp_folder_;
  std::size_t run_bytes_;
  std::unique_ptr<Run> current_;
  std::vector<std::filesystem::path> runs_;
  std::vector<std::filesystem::path> made_;
  long long run_number_ = 0;
};

}  // namespace docbase
