#include "words/record_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace docbase {
namespace {

std::vector<std::string> read_fields(const TempFolder& folder, std::string_view bytes, int count) {
  folder.write("r.txt", bytes);
  RecordReader reader(folder.path() / "r.txt");
  std::vector<std::string> fields;
  for (int i = 0; i < count; ++i)
    fields.push_back(reader.read_field());
  return fields;
}

TEST(RecordReader, ReadsFieldsByTheReadingRules) {
  struct Case {
    const char* name;
    std::string bytes;
    std::vector<std::string> fields;
  };
  const std::vector<Case> cases = {
      {"quoted and empty values", "\"abc\",\"\",\"x y\"\r\n", {"abc", "", "x y"}},
      {"commas and blanks kept inside quotes", "\"a, b ,c\",\"d\"\n", {"a, b ,c", "d"}},
      {"padded number keeps its blanks", "\"         7\"\r\n", {"         7"}},
      {"blanks and tabs around a quoted value", " \t\"a\" \t,\t\"b\"\r\n", {"a", "b"}},
      {"bare values end at comma or break", "ab c ,\"d\"e\r\nf", {"ab c ", "d", "e", "f"}},
      {"empty line is an empty value", "\r\n\"x\"\r\n", {"", "x"}},
      {"lone CR and LF end fields", "\"a\"\r\"b\"\n\"c\"", {"a", "b", "c"}},
      {"unclosed quote ends at the line break", "\"abc\r\n\"d\"", {"abc", "d"}},
      {"last record without line break", "\"p\",\"q\"", {"p", "q"}},
      {"end of file gives empty values", "\"p\"", {"p", "", ""}},
      {"bare value keeps double quotes inside", "a\"b,c", {"a\"b", "c"}},
  };
  TempFolder folder;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(read_fields(folder, c.bytes, static_cast<int>(c.fields.size())), c.fields);
  }
}

TEST(RecordReader, ReadsALongValueWhole) {
  TempFolder folder;
  std::string value(5000, 'w');
  auto fields = read_fields(folder, "\"" + value + "\",\"next\"\r\n", 2);
  EXPECT_EQ(fields[0], value);
  EXPECT_EQ(fields[1], "next");
}

TEST(RecordReader, ReadingMoreFieldsThanARecordHasGoesOutOfStep) {
  TempFolder folder;
  auto fields =
      read_fields(folder, "\"1\",\"2\",\"3\",\"4\",\"5\"\r\n\"a\",\"b\",\"c\",\"d\",\"e\"\r\n", 7);
  EXPECT_EQ(fields[5], "a");
  EXPECT_EQ(fields[6], "b");
}

TEST(RecordReader, MissingFileReadsAsEmpty) {
  TempFolder folder;
  RecordReader reader(folder.path() / "absent.txt");
  EXPECT_FALSE(reader.is_open());
  EXPECT_TRUE(reader.at_end());
  EXPECT_EQ(reader.read_field(), "");
}

TEST(LineReader, EndsLinesAtCrLfLfOrCr) {
  TempFolder folder;
  folder.write("l.txt", "a\r\nb\nc\rd\r\n\r\ne");
  LineReader reader(folder.path() / "l.txt");
  std::vector<std::string> lines;
  std::string line;
  while (reader.read_line(line))
    lines.push_back(line);
  EXPECT_EQ(lines, (std::vector<std::string>{"a", "b", "c", "d", "", "e"}));
  EXPECT_EQ(reader.read_line(), "");
  reader.rewind();
  EXPECT_EQ(reader.read_line(), "a");
}

TEST(LineReader, ReadsALineLongerThanItsBuffer) {
  TempFolder folder;
  std::string long_line(1 << 20, 'x');
  folder.write("l.txt", long_line + "\ny");
  LineReader reader(folder.path() / "l.txt");
  EXPECT_EQ(reader.read_line(), long_line);
  EXPECT_EQ(reader.read_line(), "y");
  EXPECT_TRUE(reader.at_end());
}

TEST(LineWriter, WritesRecordsAndLinesWithCrLf) {
  TempFolder folder;
  {
    LineWriter writer(folder.path() / "w.txt");
    writer.write_record({"abc", "", "x y"});
    writer.write_line("plain");
    writer.write("part");
    writer.write_line();
  }
  EXPECT_EQ(folder.read("w.txt"), "\"abc\",\"\",\"x y\"\r\nplain\r\npart\r\n");
  {
    LineWriter writer(folder.path() / "w.txt", LineWriter::Mode::kAppend);
    writer.write_line("more");
  }
  EXPECT_EQ(folder.read("w.txt"), "\"abc\",\"\",\"x y\"\r\nplain\r\npart\r\nmore\r\n");
}

TEST(LineWriter, AFileThatCannotBeOpenedSwallowsWrites) {
  TempFolder folder;
  LineWriter writer(folder.path() / "no_such_folder" / "w.txt");
  EXPECT_FALSE(writer.is_open());
  writer.write_line("lost");
  EXPECT_NO_THROW(writer.close());
}

TEST(LineWriter, AFailedWriteThrowsNamingTheFile) {
  LineWriter writer("/dev/full");
  ASSERT_TRUE(writer.is_open());
  writer.write_line("x");
  try {
    writer.close();
    FAIL() << "no WriteError";
  } catch (const WriteError& failure) {
    EXPECT_EQ(failure.file(), "/dev/full");
    EXPECT_FALSE(failure.reason().empty());
  }
}

TEST(FirstField, TakesTheFirstFieldOfATypedLine) {
  EXPECT_EQ(first_field("a,b"), "a");
  EXPECT_EQ(first_field(""), "");
  EXPECT_EQ(first_field("  \"x, y\" , z"), "x, y");
  EXPECT_EQ(first_field(std::string(5000, 'q')).size(), 4096u);
}

TEST(CompareLines, OrdersBytesAsUnsignedShorterFirst) {
  EXPECT_LT(compare_lines("Apple", "apple"), 0);
  EXPECT_LT(compare_lines("abc", "abcd"), 0);
  EXPECT_LT(compare_lines("\"abc!\"", "\"abc\""), 0);
  EXPECT_LT(compare_lines("zebra", "\xc3\xa9"), 0);
  EXPECT_LT(compare_lines("", "a"), 0);
  EXPECT_EQ(compare_lines("same", "same"), 0);
}

}  // namespace
}  // namespace docbase
