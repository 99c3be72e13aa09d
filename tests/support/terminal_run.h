#pragma once
#include <sys/types.h>
#include <termios.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>

namespace docbase {

// The installed program run in folder on a pseudo-terminal of its own, as a
// user starts it from a terminal window: its output is read from the
// terminal, keys are typed into it, and its mode can be looked at.
class TerminalRun {
 public:
  explicit TerminalRun(const std::filesystem::path& folder);
  ~TerminalRun();  // kills the program if it still runs
  TerminalRun(const TerminalRun&) = delete;
  TerminalRun& operator=(const TerminalRun&) = delete;

  // Reads output until it holds text; false when the time runs out first.
  bool read_until(std::string_view text, std::chrono::milliseconds limit);
  // Waits until the terminal's local modes satisfy want; false on time out.
  template <typename Want>
  bool wait_for_mode(Want want, std::chrono::milliseconds limit);
  termios mode() const;
  // Bytes typed at the keyboard (Ctrl-C is "\x03").
  void type(std::string_view keys) const;
  // Waits for the program to end: its exit status, or 128 + signal; -1 on time out.
  int wait(std::chrono::milliseconds limit);
  const std::string& output() const { return output_; }

 private:
  void read_available();
  int master_ = -1;
  pid_t child_ = -1;
  std::string output_;
};

template <typename Want>
bool TerminalRun::wait_for_mode(Want want, std::chrono::milliseconds limit) {
  auto end = std::chrono::steady_clock::now() + limit;
  while (std::chrono::steady_clock::now() < end) {
    if (want(mode())) return true;
    read_available();
  }
  return want(mode());
}

}  // namespace docbase
