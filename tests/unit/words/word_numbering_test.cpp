#include "words/word_numbering.h"

#include <gtest/gtest.h>

#include <string>

#include "support/shell_run.h"
#include "support/temp_folder.h"

namespace docbase {
namespace {

const std::string kFixtures = std::string(DOCBASE_FIXTURES) + "/words/numbering/";

// Two pages of occurrences: apple in three spellings five times, bear and
// cat four times each, about three times, marked blanks, and key words that
// differ only outside ASCII.
TEST(WordNumbering, WritesEveryRecordFileOfTheChain) {
  ShellRun work;
  work.folder.write("wrd_01.txt", read_file(kFixtures + "wrd_01.txt"));
  number_words(work.run);
  for (const char* name : {"wrd_01_01.txt", "wrd_01_02.txt", "wrd_03.txt", "wrd_04.txt",
                           "wrd_05.txt", "wrd_06.txt", "wrd_07.txt", "wrd_08.txt"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(work.folder.read(name), read_file(kFixtures + "expected_" + name));
  }
  EXPECT_EQ(work.captured.out(), "processed 20%\nprocessed 30%\n");
}

TEST(WordNumbering, AnEmptyWordListGivesOneEmptyRecordThatIsThenDropped) {
  ShellRun work;
  work.folder.write("wrd_01.txt", "");
  number_words(work.run);
  EXPECT_EQ(work.folder.read("wrd_03.txt"), "\"\",\"\",\"\",\"\",\"id00000000\"\r\n");
  EXPECT_EQ(work.folder.read("wrd_04.txt"), "");
  EXPECT_EQ(work.folder.read("wrd_08.txt"), "");
  EXPECT_TRUE(work.folder.exists("wrd_08.txt"));
}

TEST(ReverseCountKey, CountsDownFrom99999999) {
  struct Case {
    const char* occurrence_number;
    const char* key;
  } cases[] = {{"1", "99999999"},   {"12", "99999988"},         {"99999999", "00000001"},
               {"2.6", "99999997"}, {"100000000", "100000000"}, {"123456789", "123456789"},
               {"", "100000000"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.occurrence_number);
    EXPECT_EQ(reverse_count_key(c.occurrence_number), c.key);
  }
}

}  // namespace
}  // namespace docbase
