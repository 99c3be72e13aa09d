#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include "platform/commands.h"
#include "platform/folder_entries.h"
#include "platform/names.h"
#include "platform/wildcards.h"
#include "words/record_file.h"

namespace docbase {
namespace {

constexpr std::size_t kCopyBuffer = 1 << 20;

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  int get() const { return fd_; }
  bool is_open() const { return fd_ >= 0; }
  // Closes the file; a failure there means the last writes were lost.
  void close_written(const std::filesystem::path& name) {
    int result = ::close(fd_);
    fd_ = -1;
    if (result != 0 && errno != EINTR) throw WriteError(name.string(), std::strerror(errno));
  }

 private:
  int fd_;
};

struct Source {
  std::filesystem::path path;
  std::string shown;  // as the copy prints it
};

// The files to copy; a pattern's files are named on the output as they are copied.
struct SourceSet {
  std::vector<Source> files;
  bool listed = false;
};

void report_copied(const CommandContext& context, long long count) {
  context.out.write_line("        " + std::to_string(count) + " file(s) copied.");
}

bool is_folder(const std::filesystem::path& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool same_file(const std::filesystem::path& a, const std::filesystem::path& b) {
  struct stat first {};
  struct stat second {};
  return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 &&
         first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

std::string shown_name(std::string_view written_folder, std::string_view name) {
  std::string shown(written_folder);
  if (!shown.empty() && shown.back() != '\\' && shown.back() != '/') shown.push_back('\\');
  return shown + std::string(name);
}

std::optional<SourceSet> files_in(const CommandContext& context,
                                  const std::filesystem::path& folder, std::string_view pattern,
                                  std::string_view written_folder) {
  SourceSet set{{}, true};
  for (const FolderEntry& entry : list_folder(folder)) {
    if (!entry.is_folder && matches_wildcard(pattern, entry.name))
      set.files.push_back({folder / entry.name, shown_name(written_folder, entry.name)});
  }
  if (set.files.empty()) {
    context.error("The system cannot find the file specified.");
    return std::nullopt;
  }
  return set;
}

std::optional<SourceSet> find_sources(const CommandContext& context, std::string_view source) {
  if (!has_wildcards(source)) {
    auto path = context.resolve(source, Access::kRead);
    if (!path) return std::nullopt;
    struct stat info {};
    if (::stat(path->c_str(), &info) != 0) {
      context.error(is_folder(path->parent_path()) ? "The system cannot find the file specified."
                                                   : "The system cannot find the path specified.");
      return std::nullopt;
    }
    if (S_ISDIR(info.st_mode)) return files_in(context, *path, "*", source);
    return SourceSet{{{*path, std::string(source)}}, false};
  }
  PatternParts parts = split_pattern(source);
  auto folder = context.resolve(parts.folder, Access::kRead);
  if (!folder) return std::nullopt;
  if (!is_folder(*folder)) {
    context.error("The system cannot find the path specified.");
    return std::nullopt;
  }
  return files_in(context, *folder, parts.name, parts.folder);
}

void write_all(int fd, const char* data, std::size_t size, const std::filesystem::path& name) {
  while (size > 0) {
    ssize_t put = ::write(fd, data, size);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) {
      throw WriteError(name.string(), put < 0 ? std::strerror(errno) : "nothing could be written");
    }
    data += put;
    size -= static_cast<std::size_t>(put);
  }
}

// Every byte of in onto out; false, after a message, when in cannot be read to its end.
bool stream(const CommandContext& context, int in, int out, const std::filesystem::path& name,
            std::vector<char>& buffer) {
  for (;;) {
    ssize_t got = ::read(in, buffer.data(), buffer.size());
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      context.error("The system cannot read from the specified device.");
      return false;
    }
    if (got == 0) return true;
    write_all(out, buffer.data(), static_cast<std::size_t>(got), name);
  }
}

Descriptor open_source(const CommandContext& context, const std::filesystem::path& path) {
  Descriptor in(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (!in.is_open()) context.error("The system cannot find the file specified.");
  return in;
}

// follow_link: the target may be a symbolic link already found to stay inside the root.
Descriptor open_target(const CommandContext& context, const std::filesystem::path& path,
                       bool follow_link) {
  int flags = O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | (follow_link ? 0 : O_NOFOLLOW);
  Descriptor out(::open(path.c_str(), flags, 0644));
  if (!out.is_open()) {
    context.error(errno == ENOENT || errno == ENOTDIR ? "The system cannot find the path specified."
                                                      : "Access is denied.");
  }
  return out;
}

enum class Outcome { kCopied, kOntoItself, kFailed };

Outcome copy_one(const CommandContext& context, const std::filesystem::path& source,
                 const std::filesystem::path& target, bool follow_link, std::vector<char>& buffer) {
  if (same_file(source, target)) {
    context.error("The file cannot be copied onto itself.");
    return Outcome::kOntoItself;
  }
  Descriptor in = open_source(context, source);
  if (!in.is_open()) return Outcome::kFailed;
  Descriptor out = open_target(context, target, follow_link);
  if (!out.is_open()) return Outcome::kFailed;
  if (!stream(context, in.get(), out.get(), target, buffer)) return Outcome::kFailed;
  // A copy keeps the time its source was last written, as on the original platform.
  struct stat info {};
  if (::fstat(in.get(), &info) == 0) {
    const timespec times[2] = {info.st_atim, info.st_mtim};
    ::futimens(out.get(), times);
  }
  out.close_written(target);
  return Outcome::kCopied;
}

bool is_link(const std::filesystem::path& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

void copy_into_folder(const CommandContext& context, const SourceSet& sources,
                      const std::filesystem::path& folder) {
  // A name that differs only in case from an existing entry writes into that
  // entry. One scan of the target folder serves a pattern's files; a single
  // file is looked up by name, so that copying pages one by one into a
  // folder that fills up does not read the whole folder each time.
  std::vector<FolderEntry> entries;
  if (sources.listed) entries = list_folder(folder);
  FolderIndex index(entries);
  std::vector<char> buffer(kCopyBuffer);
  long long copied = 0;
  for (const Source& source : sources.files) {
    if (sources.listed) context.out.write_line(source.shown);
    std::string name = source.path.filename().string();
    std::optional<std::string> existing;
    if (sources.listed) {
      if (const FolderEntry* entry = index.find(name)) existing = entry->name;
    } else {
      existing = find_folder_entry(folder, name);
    }
    std::filesystem::path target = folder / existing.value_or(name);
    bool link = existing && is_link(target);
    if (link && !lies_inside(context.root, target)) {
      context.error("Access is denied.");
      continue;
    }
    Outcome outcome = copy_one(context, source.path, target, link, buffer);
    if (outcome == Outcome::kOntoItself) break;
    if (outcome == Outcome::kCopied) ++copied;
  }
  report_copied(context, copied);
}

// Several sources onto one file are joined into it, as on the original platform.
void join_into_file(const CommandContext& context, const SourceSet& sources,
                    const std::filesystem::path& target) {
  for (const Source& source : sources.files) {
    if (!same_file(source.path, target)) continue;
    context.error("The file cannot be copied onto itself.");
    report_copied(context, 0);
    return;
  }
  Descriptor out = open_target(context, target, true);
  if (!out.is_open()) {
    report_copied(context, 0);
    return;
  }
  std::vector<char> buffer(kCopyBuffer);
  for (const Source& source : sources.files) {
    context.out.write_line(source.shown);
    Descriptor in = open_source(context, source.path);
    if (in.is_open()) stream(context, in.get(), out.get(), target, buffer);
  }
  out.close_written(target);
  report_copied(context, 1);
}

void copy_to_file(const CommandContext& context, const SourceSet& sources,
                  const std::filesystem::path& target) {
  if (sources.listed) {
    join_into_file(context, sources, target);
    return;
  }
  std::vector<char> buffer(kCopyBuffer);
  // The target was resolved for writing, so a link it may be stays inside.
  bool copied =
      copy_one(context, sources.files.front().path, target, true, buffer) == Outcome::kCopied;
  report_copied(context, copied ? 1 : 0);
}

std::string_view without_trailing_separators(std::string_view name) {
  while (name.size() > 1 && (name.back() == '\\' || name.back() == '/'))
    name.remove_suffix(1);
  return name;
}

}  // namespace

void run_copy(CommandContext& context, std::span<const std::string> words) {
  auto arguments = split_arguments(context, words, "yba");
  if (!arguments) return;
  const auto& operands = arguments->operands;
  if (operands.empty() || operands.size() > 2) {
    context.error("The syntax of the command is incorrect.");
    return;
  }
  auto sources = find_sources(context, operands[0]);
  if (!sources) {
    report_copied(context, 0);
    return;
  }
  // No target: the working folder.
  std::string_view written = operands.size() == 2 ? operands[1] : std::string_view(".");
  bool names_folder = written.ends_with('\\') || written.ends_with('/');
  auto target = context.resolve(without_trailing_separators(written), Access::kWrite);
  if (!target) {
    report_copied(context, 0);
    return;
  }
  if (is_folder(*target)) {
    copy_into_folder(context, *sources, *target);
    return;
  }
  if (names_folder) {
    context.error("The system cannot find the path specified.");
    report_copied(context, 0);
    return;
  }
  copy_to_file(context, *sources, *target);
}

}  // namespace docbase
