#include "pages/group_word_files.h"

#include <gtest/gtest.h>

#include <random>

#include "support/program_run.h"
#include "support/shell_run.h"
#include "unit/pages/pages_test_support.h"
#include "unit/pages/reference_passes.h"

namespace docbase {
namespace {

std::string wrd_08_record(const std::string& count_key, const std::string& id,
                          const std::string& page, int line, int position, const std::string& word,
                          const std::string& occurrence) {
  return records_text(
      {{count_key, id, page, line_field(line), position_field(position), word, id, occurrence}});
}

TEST(WriteGroupWordFiles, KeepsTheOccurrenceOrderWithinEachPageInGroupOrder) {
  ShellRun shell_run;
  shell_run.run.group_count = 2;
  shell_run.folder.write("group_search_1.txt", records_text({{"page_01.htm"}, {"page_02.htm"}}));
  shell_run.folder.write("group_search_2.txt", records_text({{"page_03.htm"}}));
  shell_run.folder.write(
      "wrd_08.txt",
      wrd_08_record("99999998", "id00000004", "page_02.htm", 9, 5, "Pear", "2") +
          wrd_08_record("99999998", "id00000004", "page_03.htm", 8, 5, "pear", "2") +
          wrd_08_record("99999999", "id00000000", "page_01.htm", 8, 11, "Apple", "1") +
          wrd_08_record("99999999", "id00000004", "page_02.htm", 8, 5, "pear", "1") +
          wrd_08_record("99999999", "id00000009", "page_09.htm", 8, 5, "lost", "1"));
  write_group_word_files(shell_run.run);
  const std::string p1 = "page_01.htm", p2 = "page_02.htm", p3 = "page_03.htm";
  const std::string l8 = line_field(8), l9 = line_field(9), c5 = position_field(5),
                    c11 = position_field(11);
  EXPECT_EQ(shell_run.folder.read("wrd_11_1.txt"),
            records_text({{p1, l8, c11, "Apple", "id00000000", "1"},
                          {p2, l9, c5, "Pear", "id00000004", "2"},
                          {p2, l8, c5, "pear", "id00000004", "1"}}));
  EXPECT_EQ(shell_run.folder.read("wrd_13_1.txt"),
            records_text({{"id00000000", p1, l8, c11, "Apple", "id00000000", "1"},
                          {"id00000004", p2, l9, c5, "Pear", "id00000004", "2"},
                          {"id00000004", p2, l8, c5, "pear", "id00000004", "1"}}));
  EXPECT_EQ(shell_run.folder.read("wrd_11_2.txt"),
            records_text({{p3, l8, c5, "pear", "id00000004", "2"}}));
  EXPECT_EQ(shell_run.folder.read("wrd_15.txt"),
            records_text({{"id00000000", "    1", p1, l8, c11, "Apple", "1"},
                          {"id00000004", "    1", p2, l9, c5, "Pear", "2"},
                          {"id00000004", "    1", p2, l8, c5, "pear", "1"},
                          {"id00000004", "    2", p3, l8, c5, "pear", "2"}}));
}

TEST(WriteGroupWordFiles, SortsEachGroupByPageAndByWordId) {
  ShellRun shell_run;
  shell_run.run.group_count = 1;
  shell_run.folder.write("group_search_1.txt", records_text({{"page_01.htm"}, {"page_02.htm"}}));
  shell_run.folder.write(
      "wrd_08.txt",
      wrd_08_record("99999998", "id00000004", "page_02.htm", 9, 5, "Pear", "2") +
          wrd_08_record("99999999", "id00000000", "page_01.htm", 8, 11, "Apple", "1") +
          wrd_08_record("99999999", "id00000004", "page_01.htm", 8, 5, "pear", "1"));
  write_group_word_files(shell_run.run);
  const std::string p1 = "page_01.htm", p2 = "page_02.htm";
  const std::string l8 = line_field(8), l9 = line_field(9), c5 = position_field(5),
                    c11 = position_field(11);
  EXPECT_EQ(shell_run.folder.read("wrd_12_1.txt"),
            records_text({{p1, l8, c5, "pear", "id00000004", "1"},
                          {p1, l8, c11, "Apple", "id00000000", "1"},
                          {p2, l9, c5, "Pear", "id00000004", "2"}}));
  EXPECT_EQ(shell_run.folder.read("wrd_14_1.txt"),
            records_text({{"id00000000", p1, l8, c11, "Apple", "id00000000", "1"},
                          {"id00000004", p1, l8, c5, "pear", "id00000004", "1"},
                          {"id00000004", p2, l9, c5, "Pear", "id00000004", "2"}}));
}

TEST(WriteGroupWordFiles, PadsTheGroupNumberFieldToFiveCharacters) {
  ShellRun shell_run;
  shell_run.run.group_count = 12;
  shell_run.folder.write("group_search_1.txt", records_text({{"page_01.htm"}}));
  shell_run.folder.write("group_search_12.txt", records_text({{"page_12.htm"}}));
  shell_run.folder.write(
      "wrd_08.txt", wrd_08_record("99999999", "id00000000", "page_12.htm", 8, 5, "late", "1") +
                        wrd_08_record("99999999", "id00000003", "page_01.htm", 8, 5, "early", "1"));
  write_group_word_files(shell_run.run);
  std::string all = shell_run.folder.read("wrd_15.txt");
  EXPECT_EQ(
      all,
      records_text(
          {{"id00000003", "    1", "page_01.htm", line_field(8), position_field(5), "early", "1"},
           {"id00000000", "   12", "page_12.htm", line_field(8), position_field(5), "late", "1"}}));
  for (int group = 2; group <= 11; ++group) {
    SCOPED_TRACE(group);
    EXPECT_TRUE(shell_run.folder.exists("wrd_11_" + std::to_string(group) + ".txt"));
    EXPECT_EQ(shell_run.folder.read("wrd_11_" + std::to_string(group) + ".txt"), "");
  }
}

TEST(WriteGroupWordFiles, AnEmptyGroupGetsEmptyFiles) {
  ShellRun shell_run;
  shell_run.run.group_count = 2;
  shell_run.folder.write("group_search_1.txt", records_text({{"page_01.htm"}}));
  shell_run.folder.write("group_search_2.txt", "");
  shell_run.folder.write("wrd_08.txt",
                         wrd_08_record("99999999", "id00000000", "page_01.htm", 8, 5, "only", "1"));
  write_group_word_files(shell_run.run);
  for (const char* name : {"wrd_11_2.txt", "wrd_13_2.txt"}) {
    SCOPED_TRACE(name);
    EXPECT_TRUE(shell_run.folder.exists(name));
    EXPECT_EQ(shell_run.folder.read(name), "");
  }
}

// Random group lists and occurrence files; a small buffer makes the records
// go through the spill files, a large one keeps them in memory.
TEST(WriteGroupWordFiles, MatchesTheRereadingPassOnRandomGroups) {
  std::mt19937 random(77);
  auto pick = [&](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  for (int trial = 0; trial < 150; ++trial) {
    SCOPED_TRACE(trial);
    long long group_count = pick(1, 4);
    std::vector<std::string> group_search(static_cast<std::size_t>(group_count));
    for (auto& text : group_search) {
      for (int i = pick(0, 3); i > 0; --i)
        text += records_text({{"page_0" + std::to_string(pick(1, 9)) + ".htm"}});
    }
    std::string wrd_08;
    for (int i = pick(0, 40); i > 0; --i) {
      std::string id = "id0000000" + std::to_string(pick(0, 9));
      wrd_08 += wrd_08_record("9999999" + std::to_string(pick(0, 9)), id,
                              "page_0" + std::to_string(pick(1, 9)) + ".htm", pick(1, 30),
                              pick(1, 80), std::string(static_cast<std::size_t>(pick(3, 12)), 'w'),
                              std::to_string(pick(1, 9)));
    }
    std::size_t buffer_bytes =
        trial % 2 == 0 ? std::size_t{1} << 20 : static_cast<std::size_t>(pick(1, 300));
    ShellRun fast, reference;
    for (ShellRun* r : {&fast, &reference}) {
      r->run.group_count = group_count;
      r->folder.write("wrd_08.txt", wrd_08);
      for (long long g = 0; g < group_count; ++g)
        r->folder.write("group_search_" + std::to_string(g + 1) + ".txt", group_search[g]);
    }
    write_group_word_files(fast.run, buffer_bytes);
    reference_write_group_word_files(reference.run);
    EXPECT_EQ(describe_tree(fast.folder.path()), describe_tree(reference.folder.path()));
  }
}

}  // namespace
}  // namespace docbase
