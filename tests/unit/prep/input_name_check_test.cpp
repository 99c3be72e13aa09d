#include "prep/input_name_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace docbase {
namespace {

TEST(UnusableInputNames, NamesEveryInputTheRunCouldNotCarry) {
  TempFolder folder;
  for (const char* name : {"good name.txt", "caf\xc3\xa9.txt", "line\nbreak.txt", "tab\tname.TXT",
                           "back\\slash.txt", "q\"uote.txt", "star*.txt", "pipe|.txt", "drive:.txt",
                           "Dup.txt", "dup.txt", "DUP.TXT", "other.md", "bad\nname.md"}) {
    folder.write(std::string("txt_in/") + name, "text");
  }
  const std::vector<std::string> expected = {
      "back\\slash.txt: holds one of \\ : * ? \" < > |",
      "drive:.txt: holds one of \\ : * ? \" < > |",
      "Dup.txt: differs from DUP.TXT only in letter case",
      "dup.txt: differs from Dup.txt only in letter case",
      "line^Jbreak.txt: holds a control character",
      "pipe|.txt: holds one of \\ : * ? \" < > |",
      "q\"uote.txt: holds one of \\ : * ? \" < > |",
      "star*.txt: holds one of \\ : * ? \" < > |",
      "tab^Iname.TXT: holds a control character",
  };
  EXPECT_EQ(unusable_input_names(folder.path() / "txt_in"), expected);
}

TEST(UnusableInputNames, FindsNothingInAnOrdinaryOrMissingFolder) {
  TempFolder folder;
  folder.write("txt_in/a b.txt", "");
  folder.write("txt_in/page_1.TXT", "");
  EXPECT_TRUE(unusable_input_names(folder.path() / "txt_in").empty());
  EXPECT_TRUE(unusable_input_names(folder.path() / "missing").empty());
}

}  // namespace
}  // namespace docbase
