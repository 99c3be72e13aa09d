#pragma once
#include <cstddef>
#include <string_view>
#include <vector>

namespace docbase {

// A tag of a line, from its "<" to its ">" (1-based, both included). The
// span of a tag left open ends at the line's end; a tag carried over from the
// line before starts at position 1.
struct TagSpan {
  std::size_t start = 0;
  std::size_t end = 0;
  bool operator==(const TagSpan&) const = default;
};

// Finds the tag spans of a line from left to right, carrying a tag left open
// into the next line (tag_carry). False when the line is passed over: it
// continues an open tag without closing it, or is nothing but an open tag.
bool find_tag_spans(std::string_view line, bool& tag_carry, std::vector<TagSpan>& spans);

}  // namespace docbase
