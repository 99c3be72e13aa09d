#pragma once
#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace docbase {

// One entry of a folder. A symbolic link counts as a folder when it leads to one.
struct FolderEntry {
  std::string name;
  bool is_folder = false;
  bool is_link = false;
};

// The entries of a folder in listing order, "." and ".." left out; empty when
// the folder cannot be read. One scan of the folder.
std::vector<FolderEntry> list_folder(const std::filesystem::path& folder);

// A name pattern and the folder it lies in, as written: "htm_in\*.htm" gives
// "htm_in" and "*.htm"; "*.txt" gives "" (the working folder) and "*.txt".
struct PatternParts {
  std::string folder;
  std::string name;
};
PatternParts split_pattern(std::string_view pattern);

// Finds names in one scanned folder the way name resolution does: the exact
// spelling when present, else the first entry that differs only in case.
class FolderIndex {
 public:
  // entries must stay unchanged while the index is used.
  explicit FolderIndex(const std::vector<FolderEntry>& entries);
  // Nothing when no entry has the name in any case.
  const FolderEntry* find(std::string_view name) const;

 private:
  std::unordered_map<std::string, const FolderEntry*> exact_;
  std::unordered_map<std::string, const FolderEntry*> lowered_;
};

}  // namespace docbase
