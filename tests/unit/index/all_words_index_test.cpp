#include "index/all_words_index.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "page_test_support.h"
#include "words/bytes.h"
#include "words/record_file.h"

namespace docbase {
namespace {

constexpr std::string_view kWordsStart =
    "<br><br>\r\nUse a combination of two keys (CTRL + F) to search.\r\n<br><br>\r\n";

// A record of wrd_16.txt.
std::string occurrence(std::string_view id, int group, std::string_view word) {
  std::string group_field = std::to_string(group);
  group_field.insert(0, 5 - group_field.size(), ' ');
  return record({id, group_field, "page_02.htm", "         1", "     1", word, "1"});
}

// A record of wrd_11_[G].txt.
std::string group_occurrence(std::string_view id, std::string_view word) {
  return record({"page_02.htm", "         1", "     1", word, id, "1"});
}

class AllWordsIndexTest : public ::testing::Test {
 protected:
  std::string write_index(const std::string& words) {
    pages.folder.write("wrd_16.txt", words);
    write_all_words_page(pages.run);
    return masked_clock(pages.folder.read("index.htm"));
  }
  std::string words_part(const std::string& words) {
    return between(write_index(words), kWordsStart, "</body>\r\n</html>\r\n");
  }

  PageRun pages;
};

TEST_F(AllWordsIndexTest, WordInTwoGroupsThenWordInOne) {
  pages.folder.write("wrd_11_1.txt", group_occurrence("id00000003", "Apple") +
                                         group_occurrence("id00000003", "apple") +
                                         group_occurrence("id00000009", "pear"));
  pages.folder.write("wrd_11_2.txt", group_occurrence("id00000003", "APPLE"));
  std::string words = occurrence("id00000003", 1, "Apple") + occurrence("id00000003", 1, "apple") +
                      occurrence("id00000003", 2, "APPLE") + occurrence("id00000009", 1, "pear");
  EXPECT_EQ(write_index(words), index_fixture("index_example.htm"));
  EXPECT_EQ(pages.captured.out(), "processed 70%\nprocessed 80%\nprocessed 90%\n");
}

TEST_F(AllWordsIndexTest, UnreadableGroupFileGivesAnEmptyCount) {
  std::string words = occurrence("id00000003", 7, "Apple") + occurrence("id00000009", 7, "pear");
  EXPECT_EQ(
      words_part(words),
      "Apple\r\n"
      "&nbsp;&nbsp;<a href=\"i_7.htm#id00000003\" id=\"id00000003\">(i_7,&nbsp;&nbsp;)</a>\r\n"
      "<br>\r\n"
      "pear\r\n"
      "&nbsp;&nbsp;<a href=\"i_7.htm#id00000009\" id=\"id00000009\">(i_7)</a>\r\n");
}

TEST_F(AllWordsIndexTest, EmptyWordFileGivesAnEmptyWordAndLastLink) {
  EXPECT_EQ(words_part(""), "\r\n&nbsp;&nbsp;<a href=\"i_0.htm#\" id=\"\">(i_0)</a>\r\n");
}

TEST_F(AllWordsIndexTest, EightyPercentNeedsThreeRecords) {
  struct Case {
    int records;
    std::string console;
  };
  const std::vector<Case> cases = {
      {0, "processed 70%\nprocessed 90%\n"},
      {1, "processed 70%\nprocessed 90%\n"},
      {2, "processed 70%\nprocessed 90%\n"},
      {3, "processed 70%\nprocessed 80%\nprocessed 90%\n"},
      {40, "processed 70%\nprocessed 80%\nprocessed 90%\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.records);
    PageRun fresh;
    std::string words;
    for (int i = 0; i < c.records; ++i)
      words += occurrence("id0000000" + std::to_string(i % 10), 1, "word");
    fresh.folder.write("wrd_16.txt", words);
    write_all_words_page(fresh.run);
    EXPECT_EQ(fresh.captured.out(), c.console);
  }
}

// The word lines and links as the step-by-step algorithm writes them: every
// run but the last counted by a "find /c" over its whole group file.
std::string literal_words_part(const std::filesystem::path& folder) {
  auto find_count = [&](const std::string& group_field, const std::string& id) {
    std::string group;
    for (char c : group_field)
      if (c != ' ') group += c;
    LineReader file(folder / ("wrd_11_" + group + ".txt"));
    if (!file.is_open()) return std::string();
    long long lines = 0;
    std::string line;
    while (file.read_line(line))
      lines += contains(line, id) ? 1 : 0;
    return std::to_string(lines);
  };
  auto link = [](const std::array<std::string, 7>& run, const std::string& tail) {
    std::string group = std::to_string(std::atoll(run[1].c_str()));
    return "&nbsp;&nbsp;<a href=\"i_" + group + ".htm#" + run[0] + "\" id=\"" + run[0] + "\">(i_" +
           group + tail + ")</a>\r\n";
  };
  RecordReader reader(folder / "wrd_16.txt");
  std::array<std::string, 7> run;
  reader.read_fields(run);
  std::string text = run[5] + "\r\n";
  std::array<std::string, 7> next;
  while (!reader.at_end()) {
    reader.read_fields(next);
    if (next[0] == run[0] && next[1] == run[1]) continue;
    text += link(run, ",&nbsp;&nbsp;" + find_count(run[1], run[0]));
    if (next[0] != run[0]) text += "<br>\r\n" + next[5] + "\r\n";
    run = next;
  }
  return text + link(run, "");
}

// Word ids of two widths, so that a short id is part of a long one, and words
// that hold other words' ids.
TEST_F(AllWordsIndexTest, CountsAgreeWithOneFindPerRun) {
  std::mt19937 generator(7);
  const std::vector<std::string> ids = {"id00000001",  "id00000007",  "id00000010", "id00000011",
                                        "id000000071", "id000000100", "id00000002"};
  auto pick_id = [&] { return ids[generator() % ids.size()]; };
  auto pick_word = [&](const std::string& id) {
    switch (generator() % 4) {
      case 0:
        return std::string("x") + pick_id() + "y";
      case 1:
        return pick_id() + "2";
      default:
        return "word" + id.substr(8);
    }
  };
  for (int round = 0; round < 60; ++round) {
    SCOPED_TRACE(round);
    PageRun fresh;
    int groups = 1 + generator() % 4;
    std::vector<std::string> all_records;
    for (int group = 1; group <= groups; ++group) {
      std::string file;
      for (int i = 0, count = generator() % 15; i < count; ++i) {
        std::string id = pick_id();
        std::string word = pick_word(id);
        file += group_occurrence(id, word);
        all_records.push_back(occurrence(id, group, word));
      }
      // Now and then a group file is gone.
      if (generator() % 6 != 0)
        fresh.folder.write("wrd_11_" + std::to_string(group) + ".txt", file);
    }
    std::sort(all_records.begin(), all_records.end());
    std::string words;
    for (const std::string& r : all_records)
      words += r;
    fresh.folder.write("wrd_16.txt", words);
    write_all_words_page(fresh.run);
    EXPECT_EQ(between(masked_clock(fresh.folder.read("index.htm")), kWordsStart, "</body>\r\n"),
              literal_words_part(fresh.folder.path()));
  }
}

}  // namespace
}  // namespace docbase
