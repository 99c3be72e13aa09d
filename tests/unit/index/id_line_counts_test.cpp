#include "index/id_line_counts.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "page_test_support.h"
#include "words/bytes.h"
#include "words/record_file.h"

namespace docbase {
namespace {

// What "find /c" reports: the lines of the file that contain the text.
long long lines_containing(const std::filesystem::path& file, std::string_view text) {
  LineReader reader(file);
  long long lines = 0;
  std::string line;
  while (reader.read_line(line)) {
    if (contains(line, text)) ++lines;
  }
  return lines;
}

TEST(IdLineCounts, CountsLinesNotOccurrences) {
  TempFolder folder;
  folder.write("wrd_11_1.txt",
               "\"page_02.htm\",\"id00000007\",\"id00000007\"\r\n"
               "\"page_02.htm\",\"xid00000007y\",\"id00000008\"\r\n"
               "\"page_02.htm\",\"word\",\"id000000071\"\r\n"
               "\"page_02.htm\",\"word\",\"ID00000007\"\r\n");
  IdLineCounts counts;
  for (const char* id : {"id00000007", "id000000071", "id00000008", "id00000009"})
    counts.want(id);
  ASSERT_TRUE(counts.count_lines_of(folder.path() / "wrd_11_1.txt"));
  EXPECT_EQ(counts.count("id00000007"), 3);  // letter case counts
  EXPECT_EQ(counts.count("id000000071"), 1);
  EXPECT_EQ(counts.count("id00000008"), 1);
  EXPECT_EQ(counts.count("id00000009"), 0);
}

TEST(IdLineCounts, UnreadableFileIsReported) {
  TempFolder folder;
  IdLineCounts counts;
  counts.want("id00000001");
  EXPECT_FALSE(counts.count_lines_of(folder.path() / "wrd_11_9.txt"));
}

// Random texts over a small alphabet, so that wanted texts overlap, nest and
// repeat within lines; wanted texts of several lengths, the empty one included.
TEST(IdLineCounts, AgreesWithCountingEachTextOverTheWholeFile) {
  std::mt19937 generator(20240611);
  const std::string alphabet = "id0017 \",";
  auto random_text = [&](std::size_t length) {
    std::string text;
    for (std::size_t i = 0; i < length; ++i)
      text += alphabet[generator() % alphabet.size()];
    return text;
  };
  TempFolder folder;
  for (int round = 0; round < 200; ++round) {
    SCOPED_TRACE(round);
    std::string file;
    for (int line = 0, lines = generator() % 12; line < lines; ++line) {
      file += random_text(generator() % 40);
      file += (generator() % 4 == 0) ? "\n" : "\r\n";
    }
    folder.write("wrd_11_1.txt", file);
    std::vector<std::string> wanted;
    for (int i = 0, count = 1 + generator() % 8; i < count; ++i)
      wanted.push_back(generator() % 3 == 0 ? "id" + random_text(generator() % 4)
                                            : random_text(generator() % 5));
    IdLineCounts counts;
    for (const std::string& id : wanted)
      counts.want(id);
    ASSERT_TRUE(counts.count_lines_of(folder.path() / "wrd_11_1.txt"));
    for (const std::string& id : wanted) {
      SCOPED_TRACE("'" + id + "'");
      EXPECT_EQ(counts.count(id), lines_containing(folder.path() / "wrd_11_1.txt", id));
    }
  }
}

}  // namespace
}  // namespace docbase
