#pragma once
#include <string_view>

namespace docbase {

// Decides which lines of a page the word extraction passes over: lines of
// script and style blocks, lines linking past the first pages, and "look_at:"
// lines with a link after the mark. Holds the block flags of one page.
class LineFilter {
 public:
  // lowered is the line with its ASCII letters lowered.
  bool passes_over(std::string_view line, std::string_view lowered);
  // A new page starts outside every block.
  void reset() { *this = LineFilter(); }

 private:
  struct Block {
    bool opened = false;
    bool closed = false;
  };
  static bool inside_block(Block& block, bool opens, std::string_view text,
                           std::string_view close_keyword);
  Block script_;
  Block style_;
};

}  // namespace docbase
