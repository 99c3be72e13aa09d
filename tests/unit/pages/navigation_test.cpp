#include "pages/navigation.h"

#include <gtest/gtest.h>

#include <random>

#include "support/temp_folder.h"
#include "unit/pages/pages_test_support.h"
#include "unit/pages/reference_passes.h"

namespace docbase {
namespace {

TEST(Navigation, FindsTheNeighboursOfThePageInTheSortedList) {
  struct Case {
    const char* page;
    const char* before_was;
    const char* before;
    const char* next;
  };
  const Case cases[] = {
      {"page_01.htm", "", "", "page_02.htm"},  // first line: Before kept
      {"page_01.htm", "page_07.htm", "page_07.htm", "page_02.htm"},
      {"page_02.htm", "", "page_01.htm", "page_03.htm"},  // the list's capitals lowered
      {"PAGE_03.HTM", "x", "page_02.htm", ""},            // last line: no Next
      {"page_09.htm", "page_01.htm", "page_01.htm", ""},  // not listed: Next empty, Before kept
  };
  TempFolder folder;
  folder.write("sorted.txt", lines_text({"page_01.htm", "PAGE_02.htm", "page_03.htm"}));
  Navigation navigation(folder.path() / "sorted.txt");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.page);
    std::string before = c.before_was;
    std::string next = "stale";
    navigation.look_up(c.page, before, next);
    EXPECT_EQ(before, c.before);
    EXPECT_EQ(next, c.next);
  }
}

TEST(Navigation, MatchesReadingTheListFromItsStartForEveryLookup) {
  std::mt19937 random(5);
  auto pick = [&](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  auto any_page = [&] {
    std::string page = "page_0" + std::to_string(pick(1, 7)) + ".htm";
    if (pick(0, 4) == 0) page[0] = 'P';
    return page;
  };
  TempFolder folder;
  for (int trial = 0; trial < 200; ++trial) {
    SCOPED_TRACE(trial);
    std::string list;
    for (int i = pick(0, 6); i > 0; --i)
      list += any_page() + "\r\n";
    folder.write("sorted.txt", list);
    Navigation navigation(folder.path() / "sorted.txt");
    std::string before, next, reference_before, reference_next;
    for (int lookup = 0; lookup < 8; ++lookup) {
      std::string page = any_page();
      navigation.look_up(page, before, next);
      reference_look_up(folder.path() / "sorted.txt", page, reference_before, reference_next);
      EXPECT_EQ(before, reference_before) << page;
      EXPECT_EQ(next, reference_next) << page;
    }
  }
}

TEST(NavigationLinks, WriteBeforeAndNextOnlyWhenKnown) {
  struct Case {
    const char* before;
    const char* next;
    bool blank_after_next;
    std::string lines;
  };
  const std::string content = "<a href=\"files_list.htm\"> Content </a><br>";
  const Case cases[] = {
      {"page_01.htm", "page_03.htm", true,
       lines_text({"<a href=\"page_01.htm\"> Before </a> ", "<a href=\"page_03.htm\"> Next </a> ",
                   content})},
      {"page_01.htm", "page_03.htm", false,
       lines_text({"<a href=\"page_01.htm\"> Before </a> ", "<a href=\"page_03.htm\"> Next </a>",
                   content})},
      {"", "page_02.htm", true, lines_text({"<a href=\"page_02.htm\"> Next </a> ", content})},
      {"page_02.htm", "", false, lines_text({"<a href=\"page_02.htm\"> Before </a> ", content})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lines);
    TempFolder folder;
    {
      LineWriter out(folder.path() / "links.htm");
      write_navigation_links(out, c.before, c.next, c.blank_after_next);
    }
    EXPECT_EQ(folder.read("links.htm"), c.lines);
  }
}

}  // namespace
}  // namespace docbase
