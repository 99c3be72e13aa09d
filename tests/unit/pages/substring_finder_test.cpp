#include "pages/substring_finder.h"

#include <gtest/gtest.h>

#include <random>

namespace docbase {
namespace {

// Names of several shapes: the anchor first, inside, twice, overlapping
// itself, and missing; texts built from their pieces.
TEST(SubstringFinder, FindsTheSameNamesAsASearchForEachName) {
  NameTable names;
  for (const char* name : {"id00000007", "id000000070", "xid7", "idid1", "ididi", "d1", "", "id"}) {
    names.add(name);
  }
  SubstringFinder finder(names, "id");
  std::mt19937 random(3);
  const std::string pieces[] = {"id", "i", "d", "0", "00000007", "7", "x", "1", "\"", ","};
  std::vector<int> found;
  for (int trial = 0; trial < 2000; ++trial) {
    std::string text;
    for (int n = std::uniform_int_distribution<int>(0, 12)(random); n > 0; --n)
      text += pieces[std::uniform_int_distribution<int>(0, 9)(random)];
    SCOPED_TRACE(text);
    std::vector<int> expected;
    for (int number = 0; number < names.size(); ++number) {
      if (text.find(names.name(number)) != std::string::npos) expected.push_back(number);
    }
    finder.find(text, found);
    EXPECT_EQ(found, expected);
  }
}

TEST(SubstringFinder, LooksOnlyForTheNamesKnownWhenMade) {
  NameTable names;
  names.add("page_01.htm");
  SubstringFinder finder(names, "page_");
  names.add("page_02.htm");
  std::vector<int> found;
  finder.find("\"page_02.htm\",\"page_01.htm\"", found);
  EXPECT_EQ(found, std::vector<int>{0});
}

}  // namespace
}  // namespace docbase
