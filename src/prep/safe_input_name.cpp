#include "prep/safe_input_name.h"

#include "words/bytes.h"

namespace docbase {
namespace {

bool is_kept(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

std::string with_safe_bytes(std::string_view base) {
  std::string changed(base);
  for (char& c : changed) {
    if (!is_kept(c)) c = '_';
  }
  return changed;
}

// Bases the later steps reserve: a page "page_3.htm" or "page.htm" would
// give a prepared page that reads as a numbered page, or overwrites one; a
// page "f_promote.htm" would be overwritten by the advertising page.
bool is_reserved(std::string_view changed_base, std::string_view new_name) {
  std::string base = to_lower(changed_base);
  return to_lower(new_name.substr(0, 5)) == "page_" || base == "page" || base == "f_promote";
}

}  // namespace

std::size_t text_extension_at(std::string_view name) {
  for (std::size_t at = name.size(); at >= 4; --at) {
    if (to_lower(name.substr(at - 4, 4)) == ".txt") return at - 4;
  }
  return std::string_view::npos;
}

std::optional<std::string> safe_input_name(std::string_view listed) {
  std::string_view name = trim_blanks(listed);
  std::size_t at = text_extension_at(name);
  if (at == std::string_view::npos) return std::nullopt;
  std::string changed_base = with_safe_bytes(trim_blanks(name.substr(0, at)));
  std::string new_name = changed_base + std::string(name.substr(at));
  if (is_reserved(changed_base, new_name)) new_name.insert(0, "file_");
  return new_name;
}

}  // namespace docbase
