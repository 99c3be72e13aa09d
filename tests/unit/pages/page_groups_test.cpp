#include "pages/page_groups.h"

#include <gtest/gtest.h>

#include <random>

#include "support/program_run.h"
#include "support/shell_run.h"
#include "unit/pages/pages_test_support.h"
#include "unit/pages/reference_passes.h"

namespace docbase {
namespace {

// wrd_07.txt with one record per page listed (only the page field matters).
std::string wrd_07_of(const std::vector<std::string>& pages) {
  std::string text;
  for (const std::string& page : pages) {
    text += records_text({{"99999999", "id00000000", page, line_field(1), position_field(5), "word",
                           "id00000000", "1"}});
  }
  return text;
}

struct GroupCase {
  const char* name;
  long long input_count;
  std::vector<std::string> pages;  // page of each wrd_07.txt record
  long long group_count;
  std::vector<std::string> group_search;  // contents of group_search_1.txt, _2.txt, ...
  std::string all_pages;
};

TEST(FormPageGroups, FillsGroupsOfTheInputCountNeverComparingTheFirstPage) {
  const std::string p1 = "page_01.htm", p2 = "page_02.htm", p3 = "page_03.htm", p4 = "page_04.htm";
  const GroupCase cases[] = {
      {"one input file: both pages in group 1",
       1,
       {p1, p1, p2, p2},
       1,
       {records_text({{p1}, {p2}})},
       lines_text({p1, p2})},
      {"three files: group 2 holds the last page",
       3,
       {p1, p2, p2, p3, p4, p4},
       2,
       {records_text({{p1}, {p2}, {p3}}), records_text({{p4}})},
       lines_text({p1, p2, p3, p4})},
      {"three files, one without words: group 2 stays empty",
       3,
       {p1, p2, p4},
       2,
       {records_text({{p1}, {p2}, {p4}}), ""},
       lines_text({p1, p2, p4})},
      {"a page met again later is grouped once",
       2,
       {p1, p2, p1, p3},
       2,
       {records_text({{p1}, {p2}}), records_text({{p3}})},
       lines_text({p1, p2, p3})},
      {"an empty wrd_07.txt gives one group with an empty page",
       3,
       {},
       1,
       {records_text({{""}})},
       lines_text({""})},
  };
  for (const GroupCase& c : cases) {
    SCOPED_TRACE(c.name);
    ShellRun shell_run;
    shell_run.run.input_count = c.input_count;
    shell_run.folder.write("wrd_07.txt", wrd_07_of(c.pages));
    form_page_groups(shell_run.run);
    EXPECT_EQ(shell_run.run.group_count, c.group_count);
    for (std::size_t g = 0; g < c.group_search.size(); ++g) {
      std::string name = "group_search_" + std::to_string(g + 1) + ".txt";
      EXPECT_TRUE(shell_run.folder.exists(name)) << name;
      EXPECT_EQ(shell_run.folder.read(name), c.group_search[g]) << name;
    }
    EXPECT_FALSE(
        shell_run.folder.exists("group_search_" + std::to_string(c.group_count + 1) + ".txt"));
    EXPECT_EQ(shell_run.folder.read("group_page_all.txt"), c.all_pages);
    EXPECT_EQ(shell_run.captured.out(), "processed 40%\n");
  }
}

TEST(FormPageGroups, SortsTheGroupedPages) {
  ShellRun shell_run;
  shell_run.run.input_count = 2;
  shell_run.folder.write("wrd_07.txt", wrd_07_of({"page_03.htm", "page_01.htm", "page_02.htm"}));
  form_page_groups(shell_run.run);
  EXPECT_EQ(shell_run.folder.read("group_page_all.txt"),
            lines_text({"page_03.htm", "page_01.htm", "page_02.htm"}));
  EXPECT_EQ(shell_run.folder.read("group_page_all_sort.txt"),
            lines_text({"page_01.htm", "page_02.htm", "page_03.htm"}));
}

TEST(FormPageGroups, MatchesTheListRereadingPassOnRandomPageOrders) {
  std::mt19937 random(20240611);
  for (int trial = 0; trial < 300; ++trial) {
    SCOPED_TRACE(trial);
    std::vector<std::string> pages;
    int records = std::uniform_int_distribution<int>(0, 25)(random);
    int page = 1;
    for (int i = 0; i < records; ++i) {
      int step = std::uniform_int_distribution<int>(0, 9)(random);
      // Mostly ascending runs; now and then a page that came before.
      if (step >= 6) ++page;
      if (step == 9) page = std::uniform_int_distribution<int>(1, page)(random);
      pages.push_back("page_0" + std::to_string(page % 10) + ".htm");
    }
    long long input_count = std::uniform_int_distribution<int>(0, 4)(random);
    ShellRun fast, reference;
    for (ShellRun* r : {&fast, &reference}) {
      r->run.input_count = input_count;
      r->folder.write("wrd_07.txt", wrd_07_of(pages));
    }
    form_page_groups(fast.run);
    long long group_count = reference_form_page_groups(reference.run);
    EXPECT_EQ(fast.run.group_count, group_count);
    EXPECT_EQ(describe_tree(fast.folder.path()), describe_tree(reference.folder.path()));
  }
}

}  // namespace
}  // namespace docbase
