#include "platform/folder_entries.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>

#include "platform/names.h"

namespace docbase {
namespace {

std::string lowered(std::string_view name) {
  std::string text(name);
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  }
  return text;
}

bool is_folder_at(int folder_fd, const char* name, int flags) {
  struct stat info {};
  return ::fstatat(folder_fd, name, &info, flags) == 0 && S_ISDIR(info.st_mode);
}

FolderEntry make_entry(int folder_fd, const dirent& found) {
  FolderEntry entry{found.d_name};
  unsigned char type = found.d_type;
  if (type == DT_UNKNOWN) {
    struct stat info {};
    if (::fstatat(folder_fd, found.d_name, &info, AT_SYMLINK_NOFOLLOW) == 0) {
      type = S_ISLNK(info.st_mode) ? DT_LNK : (S_ISDIR(info.st_mode) ? DT_DIR : DT_REG);
    }
  }
  entry.is_link = type == DT_LNK;
  entry.is_folder = type == DT_DIR || (entry.is_link && is_folder_at(folder_fd, found.d_name, 0));
  return entry;
}

}  // namespace

std::vector<FolderEntry> list_folder(const std::filesystem::path& folder) {
  std::vector<FolderEntry> entries;
  DIR* stream = ::opendir(folder.c_str());
  if (stream == nullptr) return entries;
  int folder_fd = ::dirfd(stream);
  while (const dirent* found = ::readdir(stream)) {
    std::string_view name = found->d_name;
    if (name == "." || name == "..") continue;
    entries.push_back(make_entry(folder_fd, *found));
  }
  ::closedir(stream);
  std::sort(entries.begin(), entries.end(), [](const FolderEntry& a, const FolderEntry& b) {
    return name_order_less(a.name, b.name);
  });
  return entries;
}

PatternParts split_pattern(std::string_view pattern) {
  std::size_t separator = pattern.find_last_of("\\/");
  if (separator == std::string_view::npos) return {"", std::string(pattern)};
  // A leading separator names the top of the drive, which resolution refuses.
  std::size_t folder_length = separator == 0 ? 1 : separator;
  return {std::string(pattern.substr(0, folder_length)),
          std::string(pattern.substr(separator + 1))};
}

FolderIndex::FolderIndex(const std::vector<FolderEntry>& entries) {
  for (const FolderEntry& entry : entries) {
    exact_.emplace(entry.name, &entry);
    // Entries come in listing order, so the first variant kept is the one
    // name resolution picks.
    lowered_.emplace(lowered(entry.name), &entry);
  }
}

const FolderEntry* FolderIndex::find(std::string_view name) const {
  if (auto exact = exact_.find(std::string(name)); exact != exact_.end()) return exact->second;
  if (auto variant = lowered_.find(lowered(name)); variant != lowered_.end())
    return variant->second;
  return nullptr;
}

}  // namespace docbase
