#include "support/program_run.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <stdexcept>
#include <vector>

#include "support/temp_folder.h"

namespace docbase {

#if defined(DOCBASE_PROGRAM) && defined(DOCBASE_PROGRAM_NAME)
void install_program(const std::filesystem::path& folder) {
  std::filesystem::copy_file(DOCBASE_PROGRAM, folder / DOCBASE_PROGRAM_NAME,
                             std::filesystem::copy_options::overwrite_existing);
}

ProgramResult run_program(const std::filesystem::path& folder, std::string_view input) {
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
    if (in < 0 || out < 0 || err < 0 || ::chdir(folder.c_str()) != 0) ::_exit(126);
    ::dup2(in, 0);
    ::dup2(out, 1);
    ::dup2(err, 2);
    ::execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    ::_exit(127);
  }
  int wait_status = 0;
  ::waitpid(child, &wait_status, 0);
  ProgramResult result;
  result.status = WIFEXITED(wait_status) ? WEXITSTATUS(wait_status) : 128 + WTERMSIG(wait_status);
  result.out = read_file(io.path() / "out");
  result.err = read_file(io.path() / "err");
  return result;
}
#endif

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
