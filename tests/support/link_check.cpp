#include "support/link_check.h"

#include <algorithm>
#include <map>
#include <optional>
#include <string_view>

#include "support/temp_folder.h"

namespace docbase {
namespace {

namespace fs = std::filesystem;

bool is_name_byte(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
         c == '-' || c == '.';
}

char lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool starts_with_ignoring_case(std::string_view text, std::size_t at, std::string_view word) {
  if (text.size() - at < word.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (lower(text[at + i]) != word[i]) return false;
  }
  return true;
}

// The quoted value of the attribute whose name ends just before at, or
// nothing when "=" and a double quote do not follow (blanks allowed around
// "="). next is set past what was read.
std::optional<std::string> quoted_value(std::string_view text, std::size_t at, std::size_t& next) {
  auto skip_blanks = [&](std::size_t i) {
    while (i < text.size() &&
           (text[i] == ' ' || text[i] == '\t' || text[i] == '\r' || text[i] == '\n'))
      ++i;
    return i;
  };
  std::size_t i = skip_blanks(at);
  next = at;
  if (i >= text.size() || text[i] != '=') return std::nullopt;
  i = skip_blanks(i + 1);
  if (i >= text.size() || text[i] != '"') return std::nullopt;
  std::size_t end = text.find('"', i + 1);
  if (end == std::string_view::npos) return std::nullopt;
  next = end + 1;
  return std::string(text.substr(i + 1, end - i - 1));
}

// Values of every attribute called name (any letter case) that stands as a
// word of its own, so that "id" does not match "pid" or "data-id".
std::vector<std::string> attribute_values(std::string_view text, std::string_view name) {
  std::vector<std::string> values;
  std::size_t at = 0;
  while (at + name.size() <= text.size()) {
    if (!starts_with_ignoring_case(text, at, name) || (at > 0 && is_name_byte(text[at - 1]))) {
      ++at;
      continue;
    }
    std::size_t next = at + name.size();
    if (auto value = quoted_value(text, next, next)) values.push_back(std::move(*value));
    at = std::max(next, at + 1);
  }
  return values;
}

class FolderIds {
 public:
  explicit FolderIds(const fs::path& folder) : folder_(folder) {}
  const std::set<std::string>& of(const std::string& file) {
    auto found = ids_.find(file);
    if (found != ids_.end()) return found->second;
    std::set<std::string> ids;
    for (std::string& id : attribute_values(read_file(folder_ / file), "id"))
      ids.insert(std::move(id));
    return ids_.emplace(file, std::move(ids)).first->second;
  }

 private:
  fs::path folder_;
  std::map<std::string, std::set<std::string>> ids_;
};

bool is_file_of(const fs::path& folder, const std::string& name) {
  if (name.find('/') != std::string::npos || name == "." || name == "..") return false;
  std::error_code error;
  return fs::is_regular_file(folder / name, error);
}

}  // namespace

std::string describe(const BrokenLink& link) {
  return link.page + ": href=\"" + link.target + "\": " + link.reason;
}

std::string describe(const std::vector<BrokenLink>& links) {
  std::string text;
  for (const BrokenLink& link : links)
    text += describe(link) + "\n";
  return text;
}

std::vector<BrokenLink> broken_links(const fs::path& folder, const std::set<std::string>& allowed) {
  std::set<std::string> pages;
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (entry.is_regular_file()) pages.insert(entry.path().filename().string());
  }
  FolderIds ids(folder);
  std::vector<BrokenLink> broken;
  for (const std::string& page : pages) {
    std::set<std::string> reported;
    for (const std::string& href : attribute_values(read_file(folder / page), "href")) {
      if (href.starts_with("http") || allowed.contains(href) || reported.contains(href)) continue;
      std::size_t hash = href.find('#');
      std::string file = href.substr(0, hash);
      std::string target_file = file.empty() ? page : file;
      if (!is_file_of(folder, target_file)) {
        broken.push_back({page, href, "no such file"});
      } else if (hash != std::string::npos && hash + 1 < href.size() &&
                 !ids.of(target_file).contains(href.substr(hash + 1))) {
        broken.push_back({page, href, "no such id in " + target_file});
      } else {
        continue;
      }
      reported.insert(href);
    }
  }
  return broken;
}

}  // namespace docbase
