#include "app/print_zones.h"

namespace docbase {
namespace {

class ZonedLine {
 public:
  explicit ZonedLine(int width) : width_(width > 0 ? width : 1) {}

  void put(std::string_view text) {
    text_.append(text);
    column_ = static_cast<int>((column_ + text.size()) % static_cast<std::size_t>(width_));
  }

  // A zone always lies ahead: an item that ends on a zone's first column
  // moves on to the zone after it.
  void move_to_next_zone() {
    int zone = (column_ / kPrintZoneWidth + 1) * kPrintZoneWidth;
    if (zone >= width_ - kPrintZoneWidth) {
      text_.push_back('\n');
      column_ = 0;
      return;
    }
    text_.append(static_cast<std::size_t>(zone - column_), ' ');
    column_ = zone;
  }

  std::string take() { return std::move(text_); }

 private:
  int width_;
  int column_ = 0;  // 0-based column of the next character
  std::string text_;
};

}  // namespace

std::string zoned_row(std::span<const std::string_view> items, int console_width) {
  ZonedLine line(console_width);
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i > 0) line.move_to_next_zone();
    line.put(items[i]);
  }
  return line.take();
}

}  // namespace docbase
