#include "support/program_run.h"

#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <stdexcept>
#include <thread>
#include <vector>

#include "support/temp_folder.h"

namespace docbase {

#if defined(DOCBASE_PROGRAM) && defined(DOCBASE_PROGRAM_NAME)
void install_program(const std::filesystem::path& folder) {
  std::filesystem::copy_file(DOCBASE_PROGRAM, folder / DOCBASE_PROGRAM_NAME,
                             std::filesystem::copy_options::overwrite_existing);
}

namespace {

bool set_limit(int resource, std::optional<std::uint64_t> value) {
  if (!value) return true;
  rlimit limit{static_cast<rlim_t>(*value), static_cast<rlim_t>(*value)};
  return ::setrlimit(resource, &limit) == 0;
}

bool become(std::optional<uid_t> user) {
  if (!user) return true;
  return ::setgroups(0, nullptr) == 0 && ::setgid(*user) == 0 && ::setuid(*user) == 0;
}

// Waits for the child; with a kill text, watches the output file meanwhile.
int wait_for(pid_t child, const std::filesystem::path& out, const std::string& kill_text) {
  int wait_status = 0;
  if (kill_text.empty()) {
    ::waitpid(child, &wait_status, 0);
    return wait_status;
  }
  bool killed = false;
  while (::waitpid(child, &wait_status, WNOHANG) == 0) {
    if (!killed && read_file(out).find(kill_text) != std::string::npos) {
      ::kill(child, SIGKILL);
      killed = true;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return wait_status;
}

}  // namespace

ProgramResult run_program(const std::filesystem::path& folder, std::string_view input) {
  return run_program(folder, input, RunOptions());
}

ProgramResult run_program(const std::filesystem::path& folder, std::string_view input,
                          const RunOptions& options) {
  TempFolder io("docbase_io");
  {
    std::ofstream in(io.path() / "in", std::ios::binary);
    in.write(input.data(), static_cast<std::streamsize>(input.size()));
  }
  std::string program = std::string("./") + DOCBASE_PROGRAM_NAME;
  pid_t child = ::fork();
  if (child < 0) throw std::runtime_error("fork failed");
  if (child == 0) {
    int in = ::open((io.path() / "in").c_str(), O_RDONLY);
    int out = ::open((io.path() / "out").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    int err = ::open((io.path() / "err").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (in < 0 || out < 0 || err < 0) ::_exit(126);
    ::dup2(in, 0);
    ::dup2(out, 1);
    ::dup2(err, 2);
    ::close(in);
    ::close(out);
    ::close(err);
    if (!become(options.user) || ::chdir(folder.c_str()) != 0) ::_exit(126);
    if (!set_limit(RLIMIT_FSIZE, options.file_size_limit) ||
        !set_limit(RLIMIT_NOFILE, options.open_file_limit)) {
      ::_exit(126);
    }
    ::execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    ::_exit(127);
  }
  int wait_status = wait_for(child, io.path() / "out", options.kill_when_out_holds);
  ProgramResult result;
  result.status = WIFEXITED(wait_status) ? WEXITSTATUS(wait_status) : 128 + WTERMSIG(wait_status);
  result.out = read_file(io.path() / "out");
  result.err = read_file(io.path() / "err");
  return result;
}
#endif

std::optional<uid_t> unprivileged_user() {
  constexpr uid_t kNobody = 65534;
  if (::geteuid() != 0) return std::nullopt;
  return kNobody;
}

std::string describe_tree(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file()) files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  std::string description;
  for (const auto& file : files) {
    description += "== " + std::filesystem::relative(file, folder).string() + "\n";
    description += read_file(file) + "\n";
  }
  return description;
}

}  // namespace docbase
