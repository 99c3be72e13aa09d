#pragma once
#include <cstdio>
#include <initializer_list>
#include <string>
#include <string_view>

#include "app/run_state.h"
#include "platform/console.h"
#include "platform/shell.h"
#include "support/temp_folder.h"

namespace docbase {

// Console output caught in memory.
class CapturedStream {
 public:
  CapturedStream();
  ~CapturedStream();
  CapturedStream(const CapturedStream&) = delete;
  CapturedStream& operator=(const CapturedStream&) = delete;
  std::FILE* file() const { return file_; }
  std::string text();

 private:
  char* data_ = nullptr;
  std::size_t size_ = 0;
  std::FILE* file_;
};

// A working folder with a run state over it; keys read from an empty input.
class PageFolder {
 public:
  PageFolder();
  ~PageFolder();
  PageFolder(const PageFolder&) = delete;
  PageFolder& operator=(const PageFolder&) = delete;

  TempFolder folder;
  RunState& run() { return run_; }
  std::string console_output();
  std::string console_errors();

 private:
  CapturedStream out_;
  CapturedStream err_;
  int keys_;
  Console console_;
  Shell shell_;
  RunState run_;
};

// One record line: every value quoted, comma-separated, ended by CR LF.
std::string record(std::initializer_list<std::string_view> values);
// Text written with LF breaks, given CR LF breaks.
std::string crlf(std::string_view text);
// A fixture of tests/fixtures/index, with CR LF breaks.
std::string index_fixture(const std::string& name);
// The date and time lines with their digits replaced by "MM-DD-YYYY" and
// "hh:mm:ss"; a line not in the expected form stays as it is.
std::string masked_clock(std::string page);
// The part of text after the first occurrence of from and before the next
// occurrence of to (the rest when to does not occur); empty when from does not occur.
std::string between(std::string_view text, std::string_view from, std::string_view to);
long long occurrences(std::string_view text, std::string_view part);

}  // namespace docbase
