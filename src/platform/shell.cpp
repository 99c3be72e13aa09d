#include "platform/shell.h"

#include <sys/stat.h>

#include <utility>

#include "platform/command_context.h"
#include "platform/command_line.h"
#include "platform/command_output.h"
#include "platform/commands.h"
#include "platform/folder_entries.h"
#include "platform/wildcards.h"

namespace docbase {
namespace {

// The root as listings show it: absolute, without a trailing separator.
std::filesystem::path listing_root(const std::filesystem::path& root) {
  std::error_code error;
  std::filesystem::path absolute = std::filesystem::absolute(root, error);
  std::string text = (error ? root : absolute).lexically_normal().string();
  while (text.size() > 1 && text.back() == '/')
    text.pop_back();
  return text;
}

bool same_word(std::string_view word, std::string_view command) {
  return equal_ignoring_case(word, command);
}

void run_cd(CommandContext& context, std::span<const std::string> words) {
  // Each command line has its own interpreter, so a change of folder would
  // end with it: only the bare form does anything.
  if (words.empty()) context.out.write_line(context.root.string());
}

void run_chcp(CommandContext& context, std::span<const std::string> /*words*/) {
  context.out.write_line("Active code page: 65001");
}

using Builtin = void (*)(CommandContext&, std::span<const std::string>);

struct BuiltinName {
  std::string_view name;
  Builtin run;
};

constexpr BuiltinName kBuiltins[] = {
    {"dir", run_dir},       {"copy", run_copy},  {"del", run_del},         {"erase", run_del},
    {"md", run_md},         {"mkdir", run_md},   {"rd", run_rd},           {"rmdir", run_rd},
    {"rename", run_rename}, {"ren", run_rename}, {"cd", run_cd},           {"chdir", run_cd},
    {"chcp", run_chcp},     {"find", run_find},  {"findstr", run_findstr}, {"sort", run_sort},
};

Builtin find_builtin(std::string_view word) {
  for (const BuiltinName& builtin : kBuiltins) {
    if (same_word(word, builtin.name)) return builtin.run;
  }
  return nullptr;
}

bool is_folder(const std::filesystem::path& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// The parts of "for %i in (SET) do COMMAND".
struct ForLoop {
  std::string variable;
  std::vector<std::string> set;
  std::vector<std::string> command;
};

std::optional<ForLoop> parse_for(const std::vector<std::string>& words) {
  if (words.size() < 6 || words[1].size() < 2 || words[1][0] != '%' || !same_word(words[2], "in") ||
      !words[3].starts_with('(')) {
    return std::nullopt;
  }
  ForLoop loop{words[1], {}, {}};
  std::size_t index = 3;
  for (bool closed = false; !closed; ++index) {
    if (index == words.size()) return std::nullopt;
    std::string_view item = words[index];
    if (index == 3) item.remove_prefix(1);
    closed = item.ends_with(')');
    if (closed) item.remove_suffix(1);
    if (!item.empty()) loop.set.emplace_back(item);
  }
  if (index + 1 >= words.size() || !same_word(words[index], "do")) return std::nullopt;
  loop.command.assign(words.begin() + static_cast<std::ptrdiff_t>(index + 1), words.end());
  return loop;
}

std::string replace_all(std::string text, std::string_view variable, std::string_view value) {
  for (std::size_t at = text.find(variable); at != std::string::npos;
       at = text.find(variable, at + value.size())) {
    text.replace(at, variable.size(), value);
  }
  return text;
}

}  // namespace

Shell::Shell(std::filesystem::path root, Console& console)
    : Shell(std::move(root), console, kSortRunBytes) {}

Shell::Shell(std::filesystem::path root, Console& console, std::size_t sort_run_bytes)
    : root_(listing_root(root)), console_(console), sort_run_bytes_(sort_run_bytes) {}

void Shell::run(std::string_view command_line) {
  auto command = parse_command_line(command_line);
  if (!command) {
    console_.error("The syntax of the command is incorrect.");
    return;
  }
  execute(*command);
}

void Shell::execute(const CommandLine& command) {
  if (!command.words.empty() && same_word(command.words.front(), "cmd")) {
    run_cmd(command);
  } else if (!command.words.empty() && same_word(command.words.front(), "for")) {
    run_for(command);
  } else {
    run_builtin(command);
  }
}

void Shell::run_cmd(const CommandLine& command) {
  if (command.words.size() < 2 || !same_word(command.words[1], "/c")) {
    console_.error("The syntax of the command is incorrect.");
    return;
  }
  CommandLine rest{{command.words.begin() + 2, command.words.end()}, command.redirections};
  execute(rest);
}

// The redirections belong to the command after "do": each run of it opens
// them anew, as on the original platform. The variable is replaced inside
// the words, so a name can never change the shape of the command.
void Shell::run_for(const CommandLine& command) {
  auto loop = parse_for(command.words);
  if (!loop) {
    console_.error("The syntax of the command is incorrect.");
    return;
  }
  std::vector<std::string> values;
  for (const std::string& item : loop->set) {
    if (!has_wildcards(item)) {
      values.push_back(item);
      continue;
    }
    PatternParts parts = split_pattern(item);
    auto folder = resolve_name(root_, parts.folder, Access::kRead);
    if (!folder) continue;
    std::string prefix = parts.folder.empty() ? "" : parts.folder + "\\";
    for (const FolderEntry& entry : list_folder(*folder)) {
      if (!entry.is_folder && matches_wildcard(parts.name, entry.name))
        values.push_back(prefix + entry.name);
    }
  }
  for (const std::string& value : values) {
    CommandLine once;
    for (const std::string& word : loop->command)
      once.words.push_back(replace_all(word, loop->variable, value));
    for (const Redirection& redirection : command.redirections)
      once.redirections.push_back(
          {replace_all(redirection.target, loop->variable, value), redirection.append});
    execute(once);
  }
}

void Shell::run_builtin(const CommandLine& command) {
  Builtin builtin = nullptr;
  if (!command.words.empty()) {
    builtin = find_builtin(command.words.front());
    if (builtin == nullptr) {
      console_.error("'" + command.words.front() +
                     "' is not recognized as an internal or external command,");
      console_.error("operable program or batch file.");
      return;
    }
  }
  std::unique_ptr<CommandOutput> out = open_output(command.redirections);
  if (!out) return;
  if (builtin != nullptr) {
    CommandContext context{root_, console_, *out, sort_run_bytes_};
    builtin(context, std::span<const std::string>(command.words).subspan(1));
  }
  out->close();
}

// Every target is created or opened in turn; the output goes to the last.
std::unique_ptr<CommandOutput> Shell::open_output(const std::vector<Redirection>& redirections) {
  if (redirections.empty()) return std::make_unique<CommandOutput>(console_);
  std::unique_ptr<CommandOutput> out;
  for (const Redirection& redirection : redirections) {
    auto path = resolve_name(root_, redirection.target, Access::kWrite);
    if (!path) {
      console_.error("Access is denied.");
      return nullptr;
    }
    if (out) out->close();
    out = std::make_unique<CommandOutput>(*path, redirection.append);
    if (!out->is_open()) {
      console_.error(is_folder(path->parent_path()) ? "Access is denied."
                                                    : "The system cannot find the path specified.");
      return nullptr;
    }
  }
  return out;
}

}  // namespace docbase
