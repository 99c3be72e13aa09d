#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/commands.h"
#include "platform/folder_entries.h"
#include "platform/wildcards.h"

namespace docbase {
namespace {

bool entry_exists(const std::filesystem::path& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0;
}

bool is_real_folder(const std::filesystem::path& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool is_folder(const std::filesystem::path& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool has_operands(const CommandContext& context, const std::optional<Arguments>& arguments) {
  if (!arguments) return false;
  if (arguments->operands.empty()) {
    context.error("The syntax of the command is incorrect.");
    return false;
  }
  return true;
}

// The path of a name whose entry itself is deleted or renamed: a link there
// is never followed, so only the folder that holds it must stay inside.
std::optional<std::filesystem::path> resolve_entry(const CommandContext& context,
                                                   std::string_view name) {
  auto path = resolve_name(context.root, name, Access::kRead);
  if (path && lies_inside(context.root, path->parent_path())) return path;
  context.error("Access is denied.");
  return std::nullopt;
}

void delete_file(const CommandContext& context, const std::filesystem::path& path) {
  if (::unlink(path.c_str()) == 0) return;
  context.error(path.string());
  context.error("Access is denied.");
}

// The files of folder that match pattern; its folders stay.
void delete_matching(const CommandContext& context, const std::filesystem::path& folder,
                     std::string_view pattern) {
  bool found = false;
  for (const FolderEntry& entry : list_folder(folder)) {
    if (entry.is_folder || !matches_wildcard(pattern, entry.name)) continue;
    found = true;
    delete_file(context, folder / entry.name);
  }
  if (!found) context.error("Could Not Find " + (folder / std::string(pattern)).string());
}

void delete_operand(const CommandContext& context, std::string_view operand) {
  if (has_wildcards(operand)) {
    PatternParts parts = split_pattern(operand);
    auto folder = context.resolve(parts.folder, Access::kWrite);
    if (!folder) return;
    if (!is_folder(*folder)) {
      context.error("The system cannot find the path specified.");
      return;
    }
    delete_matching(context, *folder, parts.name);
    return;
  }
  auto path = resolve_entry(context, operand);
  if (!path) return;
  if (!entry_exists(*path)) {
    context.error("Could Not Find " + path->string());
  } else if (is_real_folder(*path)) {
    // A folder named alone stands for the files in it.
    delete_matching(context, *path, "*");
  } else {
    delete_file(context, *path);
  }
}

void make_folder(const CommandContext& context, std::string_view operand) {
  auto path = context.resolve(operand, Access::kWrite);
  if (!path) return;
  if (entry_exists(*path)) {
    context.error("A subdirectory or file " + std::string(operand) + " already exists.");
    return;
  }
  if (::mkdir(path->c_str(), 0755) == 0) return;
  context.error(errno == ENOENT || errno == ENOTDIR ? "The system cannot find the path specified."
                                                    : "Access is denied.");
}

void remove_folder(const CommandContext& context, std::string_view operand) {
  auto path = context.resolve(operand, Access::kWrite);
  if (!path) return;
  if (*path == context.root) {
    context.error(
        "The process cannot access the file because it is being used by another process.");
    return;
  }
  if (!entry_exists(*path)) {
    context.error("The system cannot find the file specified.");
    return;
  }
  if (!is_real_folder(*path)) {
    context.error("The directory name is invalid.");
    return;
  }
  if (::rmdir(path->c_str()) == 0) return;
  context.error(errno == ENOTEMPTY || errno == EEXIST ? "The directory is not empty."
                                                      : "Access is denied.");
}

// A new name is one entry of the old name's folder: a backslash in it is
// part of the name, as on this platform any byte but "/" may be.
bool is_bare_name(std::string_view name) {
  return !name.empty() && name != "." && name != ".." && name.find('/') == std::string_view::npos;
}

// Whether another entry of folder has new_name in any case.
bool name_taken(const std::filesystem::path& folder, std::string_view old_name,
                std::string_view new_name) {
  for (const FolderEntry& entry : list_folder(folder)) {
    if (entry.name != old_name && equal_ignoring_case(entry.name, new_name)) return true;
  }
  return false;
}

bool rename_without_replacing(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS) return false;
  // A file system without that flag: the folder was checked just before.
  return ::rename(from.c_str(), to.c_str()) == 0;
}

}  // namespace

void run_del(CommandContext& context, std::span<const std::string> words) {
  auto arguments = split_arguments(context, words, "qf");
  if (!has_operands(context, arguments)) return;
  for (const std::string& operand : arguments->operands)
    delete_operand(context, operand);
}

void run_md(CommandContext& context, std::span<const std::string> words) {
  auto arguments = split_arguments(context, words, "");
  if (!has_operands(context, arguments)) return;
  for (const std::string& operand : arguments->operands)
    make_folder(context, operand);
}

void run_rd(CommandContext& context, std::span<const std::string> words) {
  auto arguments = split_arguments(context, words, "");
  if (!has_operands(context, arguments)) return;
  for (const std::string& operand : arguments->operands)
    remove_folder(context, operand);
}

void run_rename(CommandContext& context, std::span<const std::string> words) {
  auto arguments = split_arguments(context, words, "");
  if (!arguments) return;
  const auto& operands = arguments->operands;
  if (operands.size() != 2 || !is_bare_name(operands[1])) {
    context.error("The syntax of the command is incorrect.");
    return;
  }
  auto old_path = resolve_entry(context, operands[0]);
  if (!old_path) return;
  if (*old_path == context.root) {
    context.error("Access is denied.");
    return;
  }
  if (!entry_exists(*old_path)) {
    context.error("The system cannot find the file specified.");
    return;
  }
  std::string old_name = old_path->filename().string();
  const std::string& new_name = operands[1];
  if (new_name == old_name) return;
  std::filesystem::path folder = old_path->parent_path();
  if (name_taken(folder, old_name, new_name) ||
      !rename_without_replacing(*old_path, folder / new_name)) {
    context.error("A duplicate file name exists, or the file cannot be found.");
  }
}

}  // namespace docbase
