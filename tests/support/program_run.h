#pragma once
#include <filesystem>
#include <string>
#include <string_view>

namespace docbase {

// What one run of the built program left.
struct ProgramResult {
  int status = -1;  // exit status, or 128 + signal
  std::string out;
  std::string err;
};

// Puts the built program into folder under its program name, as users install it.
void install_program(const std::filesystem::path& folder);

// Runs the installed program in folder with the given bytes as standard input
// (a file, so the program sees the end of input after them).
ProgramResult run_program(const std::filesystem::path& folder, std::string_view input);

// The bytes of every regular file below folder, keyed by relative path, for
// comparing folders.
std::string describe_tree(const std::filesystem::path& folder);

}  // namespace docbase
