#include "prep/input_name_check.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

#include "platform/folder_entries.h"
#include "platform/wildcards.h"
#include "prep/safe_input_name.h"
#include "words/bytes.h"

namespace docbase {
namespace {

constexpr std::string_view kForbiddenMarks = "\\:*?\"<>|";
// Names derived from a base grow by up to "_01.htm" and a number; a name may
// hold at most 255 bytes.
constexpr std::size_t kLongestBase = 200;

// The copies in txt_wrk that the listings of the run take as input texts.
std::vector<std::string> copy_names(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (FolderEntry& entry : list_folder(folder)) {
    if (!entry.is_folder && matches_wildcard("*.txt", entry.name))
      names.push_back(std::move(entry.name));
  }
  return names;
}

void rename_copy(const std::filesystem::path& folder, const std::string& from,
                 const std::string& to) {
  // A rename that fails leaves the copy as it is, like the renaming passes.
  std::error_code error;
  std::filesystem::rename(folder / from, folder / to, error);
}

}  // namespace

bool is_carriable_name(std::string_view name) {
  bool control = std::any_of(name.begin(), name.end(),
                             [](char c) { return static_cast<unsigned char>(c) < 32; });
  return !control && name.find_first_of(kForbiddenMarks) == std::string_view::npos;
}

std::string page_base(std::string_view name) {
  std::size_t at = text_extension_at(name);
  return to_lower(name.substr(0, at == std::string_view::npos ? name.size() : at));
}

std::string free_copy_name(std::string_view safe, const std::set<std::string>& taken_bases) {
  std::size_t at = text_extension_at(safe);
  std::string stem(safe.substr(0, std::min(at, kLongestBase)));
  std::string extension(safe.substr(at));
  std::string name = stem + extension;
  for (int number = 2; taken_bases.contains(page_base(name)); ++number)
    name = stem + "_" + std::to_string(number) + extension;
  return name;
}

void rename_uncarriable_copies(RunState& run) {
  const std::filesystem::path folder = run.file("txt_wrk");
  if (folder.empty()) return;
  std::vector<std::string> names = copy_names(folder);
  // Taken: every copy's page base and every base the renaming passes will
  // want for the other copies, so that their renames still succeed.
  std::set<std::string> taken;
  for (const std::string& name : names) {
    taken.insert(page_base(name));
    auto safe = safe_input_name(name);
    if (safe && is_carriable_name(name)) taken.insert(page_base(*safe));
  }
  for (const std::string& name : names) {
    if (is_carriable_name(name)) continue;
    auto safe = safe_input_name(name);
    if (!safe) continue;
    std::string free = free_copy_name(*safe, taken);
    taken.insert(page_base(free));
    rename_copy(folder, name, free);
  }
}

void rename_clashing_copies(RunState& run) {
  const std::filesystem::path folder = run.file("txt_wrk");
  if (folder.empty()) return;
  std::vector<std::string> names = copy_names(folder);
  std::set<std::string> taken;
  for (const std::string& name : names)
    taken.insert(page_base(name));
  std::set<std::string> kept;
  for (const std::string& name : names) {
    auto safe = safe_input_name(name);
    if (!safe) continue;
    std::string base = page_base(name);
    bool reserved = safe->starts_with("file_") && !trim_blanks(name).starts_with("file_");
    bool fits = base.size() <= kLongestBase;
    if (!reserved && fits && is_carriable_name(name) && kept.insert(base).second) continue;
    std::string free = free_copy_name(*safe, taken);
    taken.insert(page_base(free));
    kept.insert(page_base(free));
    rename_copy(folder, name, free);
  }
}

}  // namespace docbase
