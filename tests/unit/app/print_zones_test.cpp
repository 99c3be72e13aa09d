#include "app/print_zones.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace docbase {
namespace {

std::string blanks(std::size_t count) {
  return std::string(count, ' ');
}

TEST(ZonedRow, PutsEachItemAtTheNextPrintZone) {
  struct Case {
    const char* name;
    std::vector<std::string_view> items;
    int width;
    std::string row;
  };
  const std::string description(100, 'd');
  const std::string sixteen(16, 'b');
  const std::vector<Case> cases = {
      {"items at columns 15, 29 and 43",
       {" 1", "ab", "cd", "   "},
       80,
       " 1" + blanks(12) + "ab" + blanks(12) + "cd" + blanks(12) + "   "},
      {"code page row",
       {" 2", "Windows-1250", "Greek", "   "},
       80,
       " 2" + blanks(12) + "Windows-1250" + blanks(2) + "Greek" + blanks(9) + "   "},
      {"an item ending on a zone start skips that zone",
       {"x", "12345678901234", "y"},
       80,
       "x" + blanks(13) + "12345678901234" + blanks(14) + "y"},
      {"zone in the last 14 columns gives a line break",
       {" 34", "====== FIND WORD MENU ======", " ", "   "},
       80,
       " 34" + blanks(11) + "====== FIND WORD MENU ======" + blanks(14) + " " + "\n" + "   "},
      {"columns counted on the wrapped line",
       {" 2", "Windows-1250", description, "   "},
       80,
       " 2" + blanks(12) + "Windows-1250" + blanks(2) + description + blanks(8) + "   "},
      {"a wrap that ends on the width starts a new line",
       {"a", sixteen, "c"},
       30,
       "a" + blanks(13) + sixteen + blanks(14) + "c"},
      {"a wider console has more zones",
       {"a", "b", "c", "d", "e", "f"},
       100,
       "a" + blanks(13) + "b" + blanks(13) + "c" + blanks(13) + "d" + blanks(13) + "e" +
           blanks(13) + "f"},
      {"too narrow for any zone", {"a", "b"}, 20, "a\nb"},
      {"one item", {" 9"}, 80, " 9"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(zoned_row(c.items, c.width), c.row);
  }
}

}  // namespace
}  // namespace docbase
