#include "platform/names.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <system_error>
#include <vector>

namespace docbase {
namespace {

char lower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

std::vector<std::string_view> split_components(std::string_view name) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= name.size(); ++i) {
    if (i == name.size() || name[i] == '\\' || name[i] == '/') {
      parts.push_back(name.substr(start, i - start));
      start = i + 1;
    }
  }
  return parts;
}

bool exists_no_follow(const std::filesystem::path& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0;
}

bool is_ascii_letter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The entry of folder whose name equals component but for letter case; the
// first in listing order when several do. One scan of the folder.
std::optional<std::string> scan_for_case_variant(const std::filesystem::path& folder,
                                                 std::string_view component) {
  std::error_code error;
  std::optional<std::string> found;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    std::string entry_name = entry.path().filename().string();
    if (!equal_ignoring_case(entry_name, component)) continue;
    if (!found || name_order_less(entry_name, *found)) found = entry_name;
  }
  return found;
}

// The same by trying every spelling of the component's letters by name.
std::optional<std::string> try_case_variants(const std::filesystem::path& folder,
                                             std::string_view component) {
  int folder_fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder_fd < 0) return std::nullopt;
  std::vector<std::size_t> letters;
  for (std::size_t i = 0; i < component.size(); ++i) {
    if (is_ascii_letter(component[i])) letters.push_back(i);
  }
  std::optional<std::string> found;
  std::string spelling(component);
  struct stat info {};
  for (unsigned long variant = 0; variant < (1ul << letters.size()); ++variant) {
    for (std::size_t k = 0; k < letters.size(); ++k) {
      char lowered = lower(spelling[letters[k]]);
      spelling[letters[k]] = (variant >> k) & 1 ? static_cast<char>(lowered - 32) : lowered;
    }
    if (::fstatat(folder_fd, spelling.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) continue;
    if (!found || name_order_less(spelling, *found)) found = spelling;
  }
  ::close(folder_fd);
  return found;
}

// A name that is not there in its own spelling is looked for in every other
// case. A scan reads every entry; trying the spellings costs a lookup per
// spelling, two to the number of letters. In a folder that fills up with
// pages, where most names asked for are new, trying them keeps each command
// from reading the whole folder.
std::optional<std::string> find_case_variant(const std::filesystem::path& folder,
                                             std::string_view component) {
  constexpr std::size_t kMostLettersTried = 12;
  // Bytes a folder takes per entry, at most, on the usual file systems.
  constexpr long long kFolderBytesPerEntry = 64;
  std::size_t letters =
      static_cast<std::size_t>(std::count_if(component.begin(), component.end(), is_ascii_letter));
  struct stat info {};
  bool large = letters <= kMostLettersTried && ::stat(folder.c_str(), &info) == 0 &&
               static_cast<long long>(info.st_size) / kFolderBytesPerEntry >= (1ll << letters) * 4;
  return large ? try_case_variants(folder, component) : scan_for_case_variant(folder, component);
}

}  // namespace

std::optional<std::string> find_folder_entry(const std::filesystem::path& folder,
                                             std::string_view name) {
  if (exists_no_follow(folder / std::string(name))) return std::string(name);
  return find_case_variant(folder, name);
}

namespace {

bool is_inside(const std::filesystem::path& root, const std::filesystem::path& path) {
  std::error_code error;
  auto real_root = std::filesystem::weakly_canonical(root, error);
  if (error) return false;
  auto real_path = std::filesystem::weakly_canonical(path, error);
  if (error) return false;
  auto root_text = real_root.native();
  auto path_text = real_path.native();
  if (path_text == root_text) return true;
  if (!root_text.empty() && root_text.back() != '/') root_text.push_back('/');
  return path_text.compare(0, root_text.size(), root_text) == 0;
}

// The part of a full path after the root's own path; a null view when the
// path does not begin with the root.
std::string_view strip_root_prefix(const std::filesystem::path& root, std::string_view name) {
  std::string root_text = root.lexically_normal().string();
  while (root_text.size() > 1 && root_text.back() == '/')
    root_text.pop_back();
  if (name.size() < root_text.size()) return {};
  for (std::size_t i = 0; i < root_text.size(); ++i) {
    char a = name[i] == '\\' ? '/' : name[i];
    if (lower(a) != lower(root_text[i])) return {};
  }
  std::string_view rest = name.substr(root_text.size());
  if (!rest.empty() && rest[0] != '/' && rest[0] != '\\') return {};
  while (!rest.empty() && (rest[0] == '/' || rest[0] == '\\'))
    rest.remove_prefix(1);
  return rest.empty() ? std::string_view(".") : rest;
}

}  // namespace

bool lies_inside(const std::filesystem::path& root, const std::filesystem::path& path) {
  return is_inside(root, path);
}

bool equal_ignoring_case(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

bool name_order_less(std::string_view a, std::string_view b) {
  std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    auto x = static_cast<unsigned char>(lower(a[i]));
    auto y = static_cast<unsigned char>(lower(b[i]));
    if (x != y) return x < y;
  }
  if (a.size() != b.size()) return a.size() < b.size();
  return a < b;
}

std::optional<std::filesystem::path> resolve_name(const std::filesystem::path& root,
                                                  std::string_view name, Access access) {
  if (name.size() >= 2 && name[1] == ':') return std::nullopt;
  if (!name.empty() && (name[0] == '/' || name[0] == '\\')) {
    // A full path, as recursive listings give them, names a file of the
    // working folder when it begins with the folder's own path in any case.
    std::string_view rest = strip_root_prefix(root, name);
    if (rest.data() == nullptr) return std::nullopt;
    name = rest;
  }
  auto parts = split_components(name);
  std::filesystem::path current = root;
  std::size_t offset = 0;  // where the current component starts in name
  for (std::size_t index = 0; index < parts.size(); offset += parts[index].size() + 1, ++index) {
    std::string_view part = parts[index];
    std::string_view rest = name.substr(offset);
    if (index + 1 < parts.size() && rest.find('\\') != std::string_view::npos) {
      // On this platform a backslash may be part of a file name: an existing
      // entry of that whole name is that file, and nothing outside.
      // Only the exact spelling counts: a scan for case variants here would
      // cost a folder scan for every ordinary name with a folder part.
      if (exists_no_follow(current / std::string(rest))) {
        current /= std::string(rest);
        break;
      }
    }
    if (part.empty()) {
      // A leading separator names the root of the drive; a doubled or
      // trailing one is harmless.
      if (index == 0 && parts.size() > 1) return std::nullopt;
      continue;
    }
    if (part == ".") continue;
    if (part == "..") return std::nullopt;
    auto entry = find_folder_entry(current, part);
    current /= entry ? *entry : std::string(part);
  }
  if (access == Access::kWrite && !is_inside(root, current)) return std::nullopt;
  return current;
}

}  // namespace docbase
