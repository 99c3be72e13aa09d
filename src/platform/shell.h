#pragma once
#include <cstddef>
#include <filesystem>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/console.h"

namespace docbase {

struct CommandLine;
struct Redirection;
class CommandOutput;

// The built-in command interpreter: carries out the command lines the program
// hands it (dir, del, md, rd, copy, rename, cd, chcp, cmd /c, for, find,
// findstr, sort, with > and >> redirection) on the working folder, the way the
// original platform's interpreter does. Standard output goes to the console or
// to the redirection target; error messages always go to the console's error
// stream. No command can reach outside the root folder.
class Shell {
 public:
  // The sort tool orders runs of this many bytes in memory before it spills
  // them to temporary files.
  static constexpr std::size_t kSortRunBytes = std::size_t{32} << 20;

  Shell(std::filesystem::path root, Console& console);
  Shell(std::filesystem::path root, Console& console, std::size_t sort_run_bytes);
  void run(std::string_view command_line);
  const std::filesystem::path& root() const { return root_; }

 private:
  void execute(const CommandLine& command);
  void run_cmd(const CommandLine& command);
  void run_for(const CommandLine& command);
  void run_builtin(const CommandLine& command);
  std::unique_ptr<CommandOutput> open_output(const std::vector<Redirection>& redirections);

  std::filesystem::path root_;
  Console& console_;
  std::size_t sort_run_bytes_;
};

}  // namespace docbase
