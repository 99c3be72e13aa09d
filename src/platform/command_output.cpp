#include "platform/command_output.h"

namespace docbase {

CommandOutput::CommandOutput(const std::filesystem::path& file, bool append)
    : file_(std::make_unique<LineWriter>(
          file, append ? LineWriter::Mode::kAppend : LineWriter::Mode::kCreate)) {}

void CommandOutput::write_line(std::string_view line) {
  if (console_ != nullptr) {
    // An empty view may hold no pointer at all, which the C stream calls must not see.
    console_->print_line(line.empty() ? std::string_view("") : line);
    return;
  }
  file_->write_line(line);
}

void CommandOutput::close() {
  if (file_) file_->close();
}

}  // namespace docbase
