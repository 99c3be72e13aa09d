#include "words/word_extraction.h"

#include <gtest/gtest.h>

#include <string>

#include "support/shell_run.h"
#include "support/temp_folder.h"

namespace docbase {
namespace {

const std::string kFixtures = std::string(DOCBASE_FIXTURES) + "/words/extraction/";

std::string fixture(const std::string& name) {
  return read_file(kFixtures + name);
}

// Two numbered pages: script and style blocks, a table region, links, and a
// tag left open at the end of page 1 (inside an unclosed script block) that
// page 2 closes.
class ExtractionFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    work.folder.write("page_01.htm", fixture("page_01.htm"));
    work.folder.write("page_02.htm", fixture("page_02.htm"));
    work.folder.write("dir_02.txt", "page_01.htm\r\nPAGE_02.HTM\r\nnot a page\r\n");
  }
  ShellRun work;
};

TEST_F(ExtractionFixture, WritesOneRecordPerWordOfThreeBytesOrMore) {
  extract_listed_pages(work.run);
  EXPECT_EQ(work.folder.read("wrd_01.txt"), fixture("expected_wrd_01.txt"));
}

TEST_F(ExtractionFixture, TracesTheScannedLinesAndTheirWordsPerPage) {
  extract_listed_pages(work.run);
  EXPECT_EQ(work.folder.read("page_01.txt"), fixture("expected_page_01.txt"));
  EXPECT_EQ(work.folder.read("page_02.txt"), fixture("expected_page_02.txt"));
}

TEST_F(ExtractionFixture, PrintsItsProgressLine) {
  extract_listed_pages(work.run);
  EXPECT_EQ(work.captured.out(), "processed 10%\n");
}

TEST(WordExtraction, AMissingPageStillGetsAnEmptyTraceFile) {
  ShellRun work;
  work.folder.write("dir_02.txt", "page_01.htm\r\n");
  extract_listed_pages(work.run);
  EXPECT_TRUE(work.folder.exists("page_01.txt"));
  EXPECT_EQ(work.folder.read("page_01.txt"), "");
  EXPECT_EQ(work.folder.read("wrd_01.txt"), "");
}

TEST(WordExtraction, CountsPassedOverLinesInTheLineNumbers) {
  ShellRun work;
  work.folder.write("dir_02.txt", "page_01.htm\r\n");
  work.folder.write("page_01.htm", "<br><script>\r\n<br>x</script>\n<br>seen\r");
  extract_listed_pages(work.run);
  EXPECT_EQ(work.folder.read("wrd_01.txt"),
            "\"seen\",\"page_01.htm\",\"         3\",\"     5\",\"seen\"\r\n");
}

}  // namespace
}  // namespace docbase
