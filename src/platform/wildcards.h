#pragma once
#include <string_view>

namespace docbase {

// Whether a name holds "*" or "?".
bool has_wildcards(std::string_view pattern);

// Whether name matches pattern as the original platform matches names:
// "*" any run of characters (dots included), "?" exactly one character, ASCII
// case ignored. A pattern ending in "." (as "*.") matches only names without
// a dot; one ending in ".*" also matches the names without that extension, so
// "*.*" matches every name. A pattern without wildcards is one name.
bool matches_wildcard(std::string_view pattern, std::string_view name);

}  // namespace docbase
