#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace docbase {

// Where the extension part of an input name begins: its last ".txt" in any
// letter case, or npos. The last one, so that "a.txt" and "a.txt.txt" keep
// distinct bases and so distinct pages.
std::size_t text_extension_at(std::string_view name);

// The safe name for a listed input name: the base keeps ASCII letters and
// digits, every other byte becomes "_", the extension part stays as it is; a
// name that would clash with a page of the program's own ("page_...", the
// base "page" or "f_promote") gets "file_" in front. Nothing for a name
// without ".txt".
std::optional<std::string> safe_input_name(std::string_view listed);

}  // namespace docbase
