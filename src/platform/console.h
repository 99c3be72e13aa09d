#pragma once
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace docbase {

// What one poll of the keyboard gives.
struct KeyPoll {
  enum class Kind { kNone, kKey, kEnd };
  Kind kind = Kind::kNone;
  char key = 0;
};

// The program's console: output and error streams, key polls and typed lines.
// Output is buffered and flushed before every poll, prompt and command.
class Console {
 public:
  // in_fd is read for keys and lines; out and err receive the text.
  Console(int in_fd, std::FILE* out, std::FILE* err);
  ~Console();
  Console(const Console&) = delete;
  Console& operator=(const Console&) = delete;

  void print(std::string_view text);
  void print_line(std::string_view text = {});
  void error(std::string_view text);
  void clear_screen();
  void flush();

  // One key pressed since the last poll, nothing, or the end of input. Never blocks.
  KeyPoll poll_key();
  // Prints the prompt and "? ", reads one line; at end of input the line is empty.
  std::string read_line(std::string_view prompt);

  // Columns of the output terminal; 80 when it is not a terminal.
  int width() const;
  // Sleep between polls, so that waiting does not spin.
  void pause_between_polls() const;

 private:
  int in_fd_;
  std::FILE* out_;
  std::FILE* err_;
  bool raw_mode_ = false;
  bool input_ended_ = false;
  void enter_raw_mode();
};

// Restores the terminal's mode if a console changed it; safe in signal handlers.
void restore_terminal_mode();

}  // namespace docbase
