#include "words/line_filter.h"

#include <cstddef>

#include "words/bytes.h"
#include "words/leading_number.h"
#include "words/tag_test.h"

namespace docbase {
namespace {

// Links to pages numbered above this are navigation, not text.
constexpr double kLastLinkedPage = 2000;

// 1-based position of the first occurrence of part, 0 when there is none.
std::size_t position_of(std::string_view text, std::string_view part) {
  std::size_t at = text.find(part);
  return at == std::string_view::npos ? 0 : at + 1;
}

// The number standing at 1-based position from on.
double number_from(std::string_view line, std::size_t from) {
  return from > line.size() ? 0 : leading_number(line.substr(from - 1));
}

bool links_far(std::string_view line, std::string_view lowered, std::size_t& href_at) {
  href_at = position_of(lowered, "href=");
  if (href_at != 0) return number_from(line, href_at + 7) > kLastLinkedPage;
  href_at = position_of(lowered, "href =");
  if (href_at != 0) return number_from(line, href_at + 8) > kLastLinkedPage;
  return false;
}

}  // namespace

bool LineFilter::inside_block(Block& block, bool opens, std::string_view text,
                              std::string_view close_keyword) {
  if (!block.opened && !block.closed && opens) block.opened = true;
  if (block.opened && !block.closed && passes_tag_test(text, close_keyword)) block.closed = true;
  if (block.opened && !block.closed) return true;
  if (block.opened && block.closed) {
    block = Block();
    return true;
  }
  return false;
}

bool LineFilter::passes_over(std::string_view line, std::string_view lowered) {
  bool opens_script = !script_.opened && !script_.closed && passes_tag_test(line, "script");
  if (inside_block(script_, opens_script, line, "/script")) return true;
  bool opens_style = !style_.opened && !style_.closed && !contains(line, "style=") &&
                     passes_tag_test(lowered, "style");
  if (inside_block(style_, opens_style, lowered, "/style")) return true;
  std::size_t href_at = 0;
  if (links_far(line, lowered, href_at)) return true;
  std::size_t look_at = position_of(lowered, "look_at:");
  return look_at != 0 && href_at > look_at;
}

}  // namespace docbase
