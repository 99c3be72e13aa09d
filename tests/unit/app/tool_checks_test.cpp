#include "app/tool_checks.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace docbase {
namespace {

TEST(CheckLineCount, CountsLinesHoldingMoreThanBlanks) {
  TempFolder folder;
  folder.write("check_02.txt", "\r\n---------- CHECK_01.TXT\r\n   \r\n  a.exe\r\n\tx");
  EXPECT_EQ(check_line_count(folder.path() / "check_02.txt"), 3);
  EXPECT_EQ(check_line_count(folder.path() / "missing.txt"), 0);
}

}  // namespace
}  // namespace docbase
