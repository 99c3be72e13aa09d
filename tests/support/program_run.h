#pragma once
#include <sys/types.h>

#include <cstdint>
#include <filesystem>
#include <optional>
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

// What a run may be given beyond its input: limits set in the child before
// the program starts, another user, a kill part-way.
struct RunOptions {
  std::optional<std::uint64_t> file_size_limit;  // bytes (RLIMIT_FSIZE)
  std::optional<std::uint64_t> open_file_limit;  // descriptors (RLIMIT_NOFILE)
  // Runs as this user id, with the same group id and no other groups (needs root).
  std::optional<uid_t> user;
  // When set: SIGKILL as soon as standard output holds this text. The
  // program goes on a little while the output is watched, as after a real kill.
  std::string kill_when_out_holds;
};

// Runs the installed program in folder with the given bytes as standard input
// (a file, so the program sees the end of input after them).
ProgramResult run_program(const std::filesystem::path& folder, std::string_view input);
ProgramResult run_program(const std::filesystem::path& folder, std::string_view input,
                          const RunOptions& options);

// The user id an unprivileged run can take when the tests run as root
// ("nobody"); nothing when they do not, as permissions then bind already.
std::optional<uid_t> unprivileged_user();

// The bytes of every regular file below folder, keyed by relative path, for
// comparing folders.
std::string describe_tree(const std::filesystem::path& folder);

}  // namespace docbase
