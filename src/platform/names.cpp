#include "platform/names.h"

#include <sys/stat.h>

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

// The entry of folder whose name equals component but for letter case; the
// first in listing order when several do.
std::optional<std::string> find_case_variant(const std::filesystem::path& folder,
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

// The entry of folder named component: its exact spelling, or else a case variant.
std::optional<std::string> find_entry(const std::filesystem::path& folder,
                                      std::string_view component) {
  if (exists_no_follow(folder / std::string(component))) return std::string(component);
  return find_case_variant(folder, component);
}

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
    auto entry = find_entry(current, part);
    current /= entry ? *entry : std::string(part);
  }
  if (access == Access::kWrite && !is_inside(root, current)) return std::nullopt;
  return current;
}

}  // namespace docbase
