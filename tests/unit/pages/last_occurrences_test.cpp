#include "pages/last_occurrences.h"

#include <gtest/gtest.h>

#include <random>

#include "pages/id_files.h"
#include "support/shell_run.h"
#include "unit/pages/pages_test_support.h"
#include "unit/pages/reference_passes.h"

namespace docbase {
namespace {

struct LastCase {
  const char* name;
  std::string id_file;  // empty: no id file
  const char* page;
  long long last;
};

std::string lines_of_pages(std::initializer_list<std::string_view> pages) {
  std::string text;
  for (std::string_view page : pages)
    text += records_text({{page, line_field(8), position_field(5), "word", "id00000001"}});
  return text;
}

TEST(LastOccurrences, CountsToTheEndOfThePagesFirstRunOfLines) {
  const std::string stray = records_text(
      {{"page_05.htm", line_field(3), position_field(5), "xpage_02.htmx", "id00000001"}});
  const LastCase cases[] = {
      {"the run of the page",
       lines_of_pages({"page_01.htm", "page_02.htm", "page_02.htm", "page_03.htm"}), "page_02.htm",
       3},
      {"the page's lines at the end", lines_of_pages({"page_01.htm", "page_02.htm"}), "page_02.htm",
       2},
      {"no line holds the page: all lines", lines_of_pages({"page_01.htm", "page_03.htm"}),
       "page_02.htm", 2},
      {"only the first run counts",
       lines_of_pages({"page_02.htm", "page_03.htm", "page_02.htm", "page_02.htm"}), "page_02.htm",
       1},
      {"a page name inside a word continues the run",
       lines_of_pages({"page_02.htm", "page_02.htm"}) + stray + lines_of_pages({"page_02.htm"}),
       "page_02.htm", 4},
      {"a page name inside a word starts a run", stray + lines_of_pages({"page_02.htm"}),
       "page_02.htm", 2},
      {"an empty id file", "", "page_02.htm", 0},
  };
  for (const LastCase& c : cases) {
    SCOPED_TRACE(c.name);
    ShellRun shell_run;
    if (!c.id_file.empty()) shell_run.folder.write("id00000001.txt", c.id_file);
    LastOccurrences last_occurrences;
    last_occurrences.need("id00000001", c.page);
    last_occurrences.count(shell_run.run);
    EXPECT_EQ(last_occurrences.last("id00000001", c.page), c.last);
  }
}

// Id files of random lines, with page names standing in words and whole
// stray lines; every (id, page) pair is counted both ways.
TEST(LastOccurrences, MatchCountingFromTheIdFilesStartForEveryPair) {
  std::mt19937 random(99);
  auto pick = [&](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  auto any_page = [&] { return "page_0" + std::to_string(pick(1, 5)) + ".htm"; };
  const std::vector<std::string> ids = {"id00000000", "id00000007", "id00000042"};
  for (int trial = 0; trial < 100; ++trial) {
    SCOPED_TRACE(trial);
    ShellRun shell_run;
    for (const std::string& id : ids) {
      std::string text;
      for (int i = pick(0, 12); i > 0; --i) {
        std::string word = pick(0, 5) == 0 ? "x" + any_page() + any_page() : "word";
        text += records_text({{any_page(), line_field(pick(1, 9)), position_field(5), word, id}});
        if (pick(0, 8) == 0) text += any_page() + "\r\n";
      }
      if (pick(0, 4) != 0) shell_run.folder.write(id + ".txt", text);
    }
    LastOccurrences last_occurrences;
    for (const std::string& id : ids) {
      for (int page = 1; page <= 6; ++page)
        last_occurrences.need(id, "page_0" + std::to_string(page) + ".htm");
    }
    last_occurrences.count(shell_run.run);
    for (const std::string& id : ids) {
      for (int page = 1; page <= 6; ++page) {
        std::string name = "page_0" + std::to_string(page) + ".htm";
        EXPECT_EQ(last_occurrences.last(id, name),
                  reference_last_occurrence(id_file(shell_run.run, id), name))
            << id << " " << name;
      }
    }
  }
}

}  // namespace
}  // namespace docbase
