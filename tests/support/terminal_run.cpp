#include "support/terminal_run.h"

#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>
#include <thread>

namespace docbase {

#if defined(DOCBASE_PROGRAM_NAME)
TerminalRun::TerminalRun(const std::filesystem::path& folder) {
  std::string program = std::string("./") + DOCBASE_PROGRAM_NAME;
  child_ = ::forkpty(&master_, nullptr, nullptr, nullptr);
  if (child_ < 0) throw std::runtime_error("forkpty failed");
  if (child_ == 0) {
    if (::chdir(folder.c_str()) != 0) ::_exit(126);
    ::execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    ::_exit(127);
  }
}
#endif

TerminalRun::~TerminalRun() {
  if (child_ > 0) {
    ::kill(child_, SIGKILL);
    ::waitpid(child_, nullptr, 0);
  }
  if (master_ >= 0) ::close(master_);
}

void TerminalRun::read_available() {
  pollfd ready{master_, POLLIN, 0};
  if (::poll(&ready, 1, 5) <= 0) return;
  char buffer[4096];
  ssize_t got = ::read(master_, buffer, sizeof buffer);
  if (got > 0) output_.append(buffer, static_cast<std::size_t>(got));
}

bool TerminalRun::read_until(std::string_view text, std::chrono::milliseconds limit) {
  auto end = std::chrono::steady_clock::now() + limit;
  while (output_.find(text) == std::string::npos) {
    if (std::chrono::steady_clock::now() >= end) return false;
    read_available();
  }
  return true;
}

termios TerminalRun::mode() const {
  termios mode{};
  ::tcgetattr(master_, &mode);
  return mode;
}

void TerminalRun::type(std::string_view keys) const {
  if (::write(master_, keys.data(), keys.size()) != static_cast<ssize_t>(keys.size()))
    throw std::runtime_error("typing into the terminal failed");
}

int TerminalRun::wait(std::chrono::milliseconds limit) {
  auto end = std::chrono::steady_clock::now() + limit;
  int status = 0;
  while (::waitpid(child_, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() >= end) return -1;
    read_available();
  }
  child_ = -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

}  // namespace docbase
