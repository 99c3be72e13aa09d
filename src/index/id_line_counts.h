#pragma once
#include <bitset>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace docbase {

// For a set of wanted id texts, the number of lines of one file that contain
// each text anywhere, letter case counting: what "find /c" would report for
// each, found in a single pass over the file.
class IdLineCounts {
 public:
  void want(std::string_view id);
  // Counts over the whole file; false when it cannot be opened.
  bool count_lines_of(const std::filesystem::path& file);
  long long count(std::string_view id) const;

 private:
  struct Tally {
    long long lines = 0;
    long long last_line = 0;  // the line that counted last, so that a line counts once
  };
  struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const {
      return std::hash<std::string_view>{}(text);
    }
  };
  void count_line(std::string_view line, long long line_number);
  void tally(Tally& tally, long long line_number);

  std::unordered_map<std::string, Tally, TextHash, std::equal_to<>> tallies_;
  std::vector<std::size_t> lengths_;  // the distinct lengths of the wanted texts
  std::bitset<256> first_bytes_;      // bytes a wanted text can begin with
};

}  // namespace docbase
