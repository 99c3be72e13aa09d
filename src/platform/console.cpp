#include "platform/console.h"

#include <poll.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <thread>

namespace docbase {
namespace {

// The terminal state to restore; kept at namespace scope because a signal
// handler must reach it.
struct SavedTerminal {
  int fd = -1;
  termios mode{};
  volatile sig_atomic_t saved = 0;
};
SavedTerminal saved_terminal;

void restore_and_reraise(int signal_number) {
  restore_terminal_mode();
  ::signal(signal_number, SIG_DFL);
  ::raise(signal_number);
}

void restore_at_exit() {
  restore_terminal_mode();
}

}  // namespace

void restore_terminal_mode() {
  if (saved_terminal.saved) {
    ::tcsetattr(saved_terminal.fd, TCSANOW, &saved_terminal.mode);
    saved_terminal.saved = 0;
  }
}

Console::Console(int in_fd, std::FILE* out, std::FILE* err) : in_fd_(in_fd), out_(out), err_(err) {}

Console::~Console() {
  flush();
  if (raw_mode_) restore_terminal_mode();
}

void Console::print(std::string_view text) {
  // An empty view may carry no buffer at all, which fwrite must not be given.
  if (text.empty()) return;
  std::fwrite(text.data(), 1, text.size(), out_);
}

void Console::print_line(std::string_view text) {
  print(text);
  std::fputc('\n', out_);
}

void Console::error(std::string_view text) {
  std::fflush(out_);
  if (!text.empty()) std::fwrite(text.data(), 1, text.size(), err_);
  std::fputc('\n', err_);
  std::fflush(err_);
}

void Console::clear_screen() {
  // Only a terminal can be cleared; a log or pipe keeps its lines.
  if (::isatty(::fileno(out_))) print("\033[2J\033[H");
  flush();
}

void Console::flush() {
  std::fflush(out_);
  std::fflush(err_);
}

void Console::enter_raw_mode() {
  if (raw_mode_ || !::isatty(in_fd_)) return;
  termios mode{};
  if (::tcgetattr(in_fd_, &mode) != 0) return;
  if (!saved_terminal.saved) {
    saved_terminal.fd = in_fd_;
    saved_terminal.mode = mode;
    saved_terminal.saved = 1;
    for (int signal_number : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) {
      ::signal(signal_number, restore_and_reraise);
    }
    std::atexit(restore_at_exit);
  }
  mode.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO);
  mode.c_cc[VMIN] = 0;
  mode.c_cc[VTIME] = 0;
  ::tcsetattr(in_fd_, TCSANOW, &mode);
  raw_mode_ = true;
}

KeyPoll Console::poll_key() {
  flush();
  if (input_ended_) return {KeyPoll::Kind::kEnd, 0};
  enter_raw_mode();
  pollfd ready{in_fd_, POLLIN, 0};
  if (::poll(&ready, 1, 0) <= 0) return {};
  char key = 0;
  ssize_t got = ::read(in_fd_, &key, 1);
  if (got == 1) return {KeyPoll::Kind::kKey, key};
  if (got == 0 && !::isatty(in_fd_)) {
    input_ended_ = true;
    return {KeyPoll::Kind::kEnd, 0};
  }
  return {};
}

std::string Console::read_line(std::string_view prompt) {
  print(prompt);
  print("? ");
  flush();
  if (raw_mode_) {
    restore_terminal_mode();
    raw_mode_ = false;
  }
  std::string line;
  if (input_ended_) return line;
  char byte = 0;
  for (;;) {
    ssize_t got = ::read(in_fd_, &byte, 1);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) {
      if (!::isatty(in_fd_)) input_ended_ = true;
      break;
    }
    if (byte == '\n') break;
    line.push_back(byte);
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

int Console::width() const {
  winsize size{};
  if (::isatty(::fileno(out_)) && ::ioctl(::fileno(out_), TIOCGWINSZ, &size) == 0 &&
      size.ws_col > 0) {
    return size.ws_col;
  }
  return 80;
}

void Console::pause_between_polls() const {
  std::this_thread::sleep_for(std::chrono::milliseconds(5));
}

}  // namespace docbase
