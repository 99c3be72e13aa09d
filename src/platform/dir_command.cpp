#include <sys/stat.h>
#include <sys/statvfs.h>

#include <cstdio>
#include <ctime>
#include <system_error>

#include "platform/commands.h"
#include "platform/folder_entries.h"
#include "platform/wildcards.h"
#include "words/bytes.h"

namespace docbase {
namespace {

struct ListingTarget {
  std::filesystem::path folder;
  std::string pattern;
};

// What a dir operand names: a folder (all its entries), a pattern in a
// folder, or one name.
std::optional<ListingTarget> listing_target(const CommandContext& context,
                                            std::string_view operand) {
  if (!has_wildcards(operand)) {
    auto whole = context.resolve(operand, Access::kRead);
    if (!whole) return std::nullopt;
    std::error_code error;
    if (std::filesystem::is_directory(*whole, error)) return ListingTarget{*whole, "*"};
    return ListingTarget{whole->parent_path(), whole->filename().string()};
  }
  PatternParts parts = split_pattern(operand);
  auto folder = context.resolve(parts.folder, Access::kRead);
  if (!folder) return std::nullopt;
  return ListingTarget{*folder, parts.name};
}

std::vector<FolderEntry> matching(const std::filesystem::path& folder, std::string_view pattern) {
  std::vector<FolderEntry> found;
  for (FolderEntry& entry : list_folder(folder)) {
    if (matches_wildcard(pattern, entry.name)) found.push_back(std::move(entry));
  }
  return found;
}

// "." and ".." belong to a full listing of every name, or of the names without a dot.
bool lists_dot_entries(std::string_view pattern) {
  return pattern.find('*') != std::string_view::npos &&
         pattern.find_first_not_of("*.") == std::string_view::npos;
}

std::string with_thousands(unsigned long long value) {
  std::string digits = std::to_string(value);
  std::string text;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) text.push_back(',');
    text.push_back(digits[i]);
  }
  return text;
}

std::string date_and_time(std::time_t moment) {
  std::tm parts{};
  ::localtime_r(&moment, &parts);
  int hour = parts.tm_hour % 12 == 0 ? 12 : parts.tm_hour % 12;
  char text[64];
  std::snprintf(text, sizeof text, "%02d/%02d/%04d  %02d:%02d %s", parts.tm_mon + 1, parts.tm_mday,
                parts.tm_year + 1900, hour, parts.tm_min, parts.tm_hour < 12 ? "AM" : "PM");
  return text;
}

struct Totals {
  long long files = 0;
  unsigned long long bytes = 0;
  long long folders = 0;
};

class FullListing {
 public:
  FullListing(CommandContext& context, bool recursive) : context_(context), recursive_(recursive) {}

  void list(const ListingTarget& target) {
    write_header();
    if (!recursive_) {
      write_folder_title(target.folder);
      if (!write_entries(target.folder, target.pattern, matching(target.folder, target.pattern))) {
        context_.error("File Not Found");
        return;
      }
      write_free_space(target.folder);
      return;
    }
    list_below(target.folder, target.pattern);
    if (totals_.files + totals_.folders == 0) {
      context_.error("File Not Found");
      return;
    }
    context_.out.write_line();
    context_.out.write_line("     Total Files Listed:");
    write_file_summary(totals_);
    write_free_space(target.folder);
  }

 private:
  void write_header() {
    context_.out.write_line(" Volume in drive C has no label.");
    context_.out.write_line(" Volume Serial Number is 0000-0000");
  }

  void write_folder_title(const std::filesystem::path& folder) {
    context_.out.write_line();
    context_.out.write_line(" Directory of " + folder.string());
    context_.out.write_line();
  }

  void list_below(const std::filesystem::path& folder, std::string_view pattern) {
    std::vector<FolderEntry> entries = list_folder(folder);
    std::vector<FolderEntry> found;
    for (const FolderEntry& entry : entries) {
      if (matches_wildcard(pattern, entry.name)) found.push_back(entry);
    }
    if (!found.empty() || lists_dot_entries(pattern)) {
      write_folder_title(folder);
      write_entries(folder, pattern, found);
    }
    for (const FolderEntry& entry : entries) {
      if (entry.is_folder && !entry.is_link) list_below(folder / entry.name, pattern);
    }
  }

  // False when nothing matched.
  bool write_entries(const std::filesystem::path& folder, std::string_view pattern,
                     const std::vector<FolderEntry>& found) {
    Totals here;
    if (lists_dot_entries(pattern)) {
      write_entry(folder, ".", here);
      write_entry(folder / "..", "..", here);
    }
    for (const FolderEntry& entry : found)
      write_entry(folder / entry.name, entry.name, here);
    if (here.files + here.folders == 0) return false;
    write_file_summary(here);
    totals_.files += here.files;
    totals_.bytes += here.bytes;
    totals_.folders += here.folders;
    return true;
  }

  void write_entry(const std::filesystem::path& path, std::string_view name, Totals& here) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 && ::lstat(path.c_str(), &info) != 0) return;
    std::string line = date_and_time(info.st_mtim.tv_sec);
    if (S_ISDIR(info.st_mode)) {
      line += "    <DIR>          ";
      ++here.folders;
    } else {
      auto size = static_cast<unsigned long long>(info.st_size);
      line += pad_left(with_thousands(size), 18, ' ') + " ";
      ++here.files;
      here.bytes += size;
    }
    line += name;
    context_.out.write_line(line);
  }

  void write_file_summary(const Totals& totals) {
    context_.out.write_line(pad_number(totals.files, 16, ' ') + " File(s) " +
                            pad_left(with_thousands(totals.bytes), 14, ' ') + " bytes");
  }

  void write_free_space(const std::filesystem::path& folder) {
    struct statvfs space {};
    unsigned long long free_bytes = 0;
    if (::statvfs(folder.c_str(), &space) == 0) {
      free_bytes = static_cast<unsigned long long>(space.f_bavail) * space.f_frsize;
    }
    context_.out.write_line(pad_number(totals_.folders, 16, ' ') + " Dir(s) " +
                            pad_left(with_thousands(free_bytes), 15, ' ') + " bytes free");
  }

  CommandContext& context_;
  bool recursive_;
  Totals totals_;
};

void list_bare(CommandContext& context, const ListingTarget& target) {
  std::vector<FolderEntry> found = matching(target.folder, target.pattern);
  for (const FolderEntry& entry : found)
    context.out.write_line(entry.name);
  if (found.empty()) context.error("File Not Found");
}

// Full paths: the root's own path and the components below it, joined by "/".
long long list_bare_below(CommandContext& context, const std::filesystem::path& folder,
                          std::string_view pattern) {
  std::vector<FolderEntry> entries = list_folder(folder);
  long long listed = 0;
  for (const FolderEntry& entry : entries) {
    if (!matches_wildcard(pattern, entry.name)) continue;
    context.out.write_line(folder.string() + "/" + entry.name);
    ++listed;
  }
  for (const FolderEntry& entry : entries) {
    if (entry.is_folder && !entry.is_link)
      listed += list_bare_below(context, folder / entry.name, pattern);
  }
  return listed;
}

}  // namespace

void run_dir(CommandContext& context, std::span<const std::string> words) {
  auto arguments = split_arguments(context, words, "bs");
  if (!arguments) return;
  if (arguments->operands.empty()) arguments->operands.push_back("*");
  for (const std::string& operand : arguments->operands) {
    auto target = listing_target(context, operand);
    if (!target) continue;
    if (!arguments->has('b')) {
      FullListing(context, arguments->has('s')).list(*target);
    } else if (!arguments->has('s')) {
      list_bare(context, *target);
    } else if (list_bare_below(context, target->folder, target->pattern) == 0) {
      context.error("File Not Found");
    }
  }
}

}  // namespace docbase
