#pragma once
#include <filesystem>
#include <string_view>

#include "platform/console.h"

namespace docbase {

// The built-in command interpreter: carries out the command lines the program
// hands it (dir, del, md, rd, copy, rename, cd, chcp, cmd /c, for, find,
// findstr, sort, with > and >> redirection) on the working folder, the way the
// original platform's interpreter does. Standard output goes to the console or
// to the redirection target; error messages always go to the console's error
// stream. No command can reach outside the root folder.
class Shell {
 public:
  Shell(std::filesystem::path root, Console& console);
  void run(std::string_view command_line);
  const std::filesystem::path& root() const { return root_; }

 private:
  std::filesystem::path root_;
  Console& console_;
};

}  // namespace docbase
