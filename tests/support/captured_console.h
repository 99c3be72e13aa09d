#pragma once
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

#include "platform/console.h"

namespace docbase {

// A console whose keys come from the given bytes (then the end of input) and
// whose output and error streams can be read back.
class CapturedConsole {
 public:
  explicit CapturedConsole(std::string_view input = {});
  ~CapturedConsole();
  CapturedConsole(const CapturedConsole&) = delete;
  CapturedConsole& operator=(const CapturedConsole&) = delete;

  Console& console() { return *console_; }
  std::string out();
  std::string err();

 private:
  std::FILE* in_;
  std::FILE* out_;
  std::FILE* err_;
  std::unique_ptr<Console> console_;
};

}  // namespace docbase
