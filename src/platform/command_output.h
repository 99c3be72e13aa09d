#pragma once
#include <filesystem>
#include <memory>
#include <string_view>

#include "platform/console.h"
#include "words/record_file.h"

namespace docbase {

// Where a command's standard output goes: the console, one line per print,
// or a file, each line ended by CR LF.
class CommandOutput {
 public:
  explicit CommandOutput(Console& console) : console_(&console) {}
  CommandOutput(const std::filesystem::path& file, bool append);

  // False when the file could not be opened.
  bool is_open() const { return console_ != nullptr || file_->is_open(); }
  void write_line(std::string_view line = {});
  // Throws WriteError when the file's last bytes cannot be written.
  void close();

 private:
  Console* console_ = nullptr;
  std::unique_ptr<LineWriter> file_;
};

}  // namespace docbase
