#include "pages/file_names.h"

#include <algorithm>

namespace docbase {
namespace {

bool is_plain_byte(char c) {
  return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '.' || c == '-';
}

bool is_plain_name(std::string_view name) {
  if (name.empty() || name == "." || name == "..") return false;
  return std::all_of(name.begin(), name.end(), is_plain_byte);
}

}  // namespace

std::string group_file_name(std::string_view stem, long long group) {
  return std::string(stem) + std::to_string(group) + ".txt";
}

std::filesystem::path made_file(const RunState& run, std::string_view name) {
  return is_plain_name(name) ? run.own_file(name) : run.file(name);
}

}  // namespace docbase
