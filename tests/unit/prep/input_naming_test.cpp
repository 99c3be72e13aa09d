#include "prep/input_naming.h"

#include <gtest/gtest.h>

#include <vector>

namespace docbase {
namespace {

TEST(PagePadding, GrowsWithThePageCount) {
  struct Case {
    long long n;
    const char* padding;
  };
  const std::vector<Case> cases = {
      {0, ""},
      {1, ""},
      {2, "00"},
      {10, "00"},
      {11, "000"},
      {100, "000"},
      {101, "0000"},
      {1000, "0000"},
      {1001, "00000"},
      {10000, "00000"},
      {10001, "000000"},
      {100000, "000000"},
      {100001, "0000000"},
      {1000000, "0000000"},
      {1000001, "00000000"},
      {50000000, "00000000"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.n);
    EXPECT_EQ(page_padding(c.n), c.padding);
  }
}

TEST(PaddedPageNumber, FillsTheDigitsUpToThePaddingLength) {
  struct Case {
    long long n;
    long long k;
    const char* text;
  };
  const std::vector<Case> cases = {
      {1, 1, "1"},
      {2, 1, "01"},
      {10, 10, "10"},
      {11, 11, "011"},
      {12, 7, "007"},
      {12, 12, "012"},
      {13, 1, "001"},
      {101, 101, "0101"},
      {1000001, 5, "00000005"},
      {1000001, 123456789, "123456789"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.n) + " pages, page " + std::to_string(c.k));
    EXPECT_EQ(padded_page_number(c.n, c.k), c.text);
  }
}

}  // namespace
}  // namespace docbase
