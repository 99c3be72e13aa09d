#include "support/temp_folder.h"

#include <stdlib.h>

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <system_error>

namespace docbase {

TempFolder::TempFolder(std::string_view stem) {
  std::string pattern =
      (std::filesystem::temp_directory_path() / (std::string(stem) + "_XXXXXX")).string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code error;
  std::filesystem::remove_all(path_, error);
}

void TempFolder::write(const std::string& name, std::string_view bytes) const {
  std::filesystem::path target = path_ / name;
  std::filesystem::create_directories(target.parent_path());
  std::ofstream out(target, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string TempFolder::read(const std::string& name) const {
  return read_file(path_ / name);
}

bool TempFolder::exists(const std::string& name) const {
  return std::filesystem::exists(std::filesystem::symlink_status(path_ / name));
}

std::string read_file(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace docbase
