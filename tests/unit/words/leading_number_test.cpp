#include "words/leading_number.h"

#include <gtest/gtest.h>

#include <cmath>

namespace docbase {
namespace {

TEST(LeadingNumber, ReadsAsFarAsANumberGoes) {
  struct Case {
    const char* text;
    double value;
  } cases[] = {
      {"12\">two words</a>", 12},
      {"  2500\">x", 2500},
      {"", 0},
      {"#12", 0},
      {"abc", 0},
      {"-5x", -5},
      {"+7", 7},
      {"1.5e3x", 1500},
      {"2d3", 2000},
      {"2D+1", 20},
      {"1e", 1},
      {"1e+", 1},
      {"3.", 3},
      {".5", 0.5},
      {".", 0},
      {"-", 0},
      {"2001 ", 2001},
      {"1 2", 1},
      {"99999999999999999999", 1e20},
      {"1e999", HUGE_VAL},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_DOUBLE_EQ(leading_number(c.text), c.value);
  }
}

}  // namespace
}  // namespace docbase
