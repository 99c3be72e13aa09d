#pragma once
#include <filesystem>
#include <string>
#include <string_view>

namespace docbase {

// A fresh folder under the system's temporary folder, removed at the end of the test.
class TempFolder {
 public:
  explicit TempFolder(std::string_view stem = "docbase");
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // Writes a file (folders made as needed), bytes exactly as given.
  void write(const std::string& name, std::string_view bytes) const;
  // The file's bytes; empty when it does not exist.
  std::string read(const std::string& name) const;
  bool exists(const std::string& name) const;

 private:
  std::filesystem::path path_;
};

// The bytes of any file; empty when it cannot be read.
std::string read_file(const std::filesystem::path& path);

}  // namespace docbase
