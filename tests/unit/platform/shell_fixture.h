#pragma once
#include <gtest/gtest.h>
#include <stdio.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/console.h"
#include "platform/shell.h"
#include "support/temp_folder.h"

namespace docbase {

// What one command line printed on the console.
struct ConsoleText {
  std::string out;
  std::string err;
};

// A stream whose text the test can read back at any time.
class CapturedStream {
 public:
  CapturedStream() : stream_(::open_memstream(&buffer_, &size_)) {}
  ~CapturedStream() {
    std::fclose(stream_);
    std::free(buffer_);
  }
  CapturedStream(const CapturedStream&) = delete;
  CapturedStream& operator=(const CapturedStream&) = delete;
  std::FILE* get() const { return stream_; }
  // The text written since the last call (the console has flushed it).
  std::string take() {
    std::string text(buffer_ ? buffer_ : "", size_);
    std::string fresh = text.substr(taken_);
    taken_ = text.size();
    return fresh;
  }

 private:
  char* buffer_ = nullptr;
  std::size_t size_ = 0;
  std::size_t taken_ = 0;
  std::FILE* stream_;
};

// A working folder, a console writing into memory, and the interpreter on both.
class ShellFixture {
 public:
  explicit ShellFixture(std::size_t sort_run_bytes = Shell::kSortRunBytes,
                        std::string_view stem = "Shell_Root")
      : folder(stem),
        console_(-1, out_.get(), err_.get()),
        shell(folder.path(), console_, sort_run_bytes) {}

  ConsoleText run(std::string_view line) {
    shell.run(line);
    console_.flush();
    return {out_.take(), err_.take()};
  }

  // Files given as name and bytes; a name ending in "/" is a folder.
  void lay_out(const std::vector<std::pair<std::string, std::string>>& files) const {
    for (const auto& [name, bytes] : files) {
      if (name.ends_with('/')) {
        std::filesystem::create_directories(folder.path() / name);
      } else {
        folder.write(name, bytes);
      }
    }
  }

  std::string root_text() const { return shell.root().string(); }

  TempFolder folder;

 private:
  CapturedStream out_;
  CapturedStream err_;
  Console console_;

 public:
  Shell shell;
};

// One row of a command table: the files laid out first, the command lines
// run in order, what they print in all ("{root}" stands for the root's path)
// and the files they leave.
struct CommandCase {
  std::string name;
  std::vector<std::pair<std::string, std::string>> files = {};
  std::vector<std::string> lines = {};
  std::string out = {};
  std::string err = {};
  std::vector<std::pair<std::string, std::string>> after = {};  // name and exact bytes
  std::vector<std::string> gone = {};                           // names that must not exist
};

inline std::string with_root(std::string text, const std::string& root) {
  for (std::size_t at = text.find("{root}"); at != std::string::npos; at = text.find("{root}", at))
    text.replace(at, 6, root);
  return text;
}

inline void check_case(const CommandCase& row) {
  SCOPED_TRACE(row.name);
  ShellFixture fixture;
  fixture.lay_out(row.files);
  ConsoleText printed;
  for (const std::string& line : row.lines) {
    ConsoleText text = fixture.run(line);
    printed.out += text.out;
    printed.err += text.err;
  }
  EXPECT_EQ(printed.out, with_root(row.out, fixture.root_text()));
  EXPECT_EQ(printed.err, with_root(row.err, fixture.root_text()));
  for (const auto& [name, bytes] : row.after) {
    EXPECT_TRUE(fixture.folder.exists(name)) << name;
    EXPECT_EQ(fixture.folder.read(name), with_root(bytes, fixture.root_text())) << name;
  }
  for (const std::string& name : row.gone)
    EXPECT_FALSE(fixture.folder.exists(name)) << name;
}

}  // namespace docbase
