#include "support/captured_console.h"

namespace docbase {
namespace {

std::string read_back(std::FILE* file) {
  std::fflush(file);
  long end = std::ftell(file);
  std::string text(static_cast<std::size_t>(end), '\0');
  std::rewind(file);
  std::size_t got = std::fread(text.data(), 1, text.size(), file);
  text.resize(got);
  std::fseek(file, 0, SEEK_END);
  return text;
}

}  // namespace

CapturedConsole::CapturedConsole(std::string_view input)
    : in_(std::tmpfile()), out_(std::tmpfile()), err_(std::tmpfile()) {
  if (!input.empty()) std::fwrite(input.data(), 1, input.size(), in_);
  std::fflush(in_);
  std::rewind(in_);
  console_ = std::make_unique<Console>(fileno(in_), out_, err_);
}

CapturedConsole::~CapturedConsole() {
  console_.reset();
  std::fclose(in_);
  std::fclose(out_);
  std::fclose(err_);
}

std::string CapturedConsole::out() {
  console_->flush();
  return read_back(out_);
}

std::string CapturedConsole::err() {
  console_->flush();
  return read_back(err_);
}

}  // namespace docbase
