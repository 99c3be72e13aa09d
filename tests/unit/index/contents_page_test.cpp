#include "index/contents_page.h"

#include <gtest/gtest.h>

#include <string>

#include "page_test_support.h"

namespace docbase {
namespace {

TEST(ContentsPage, ListsEveryGroupedPageWithItsAnchor) {
  PageRun pages;
  // Any line break ends a name; the last needs none.
  pages.folder.write("group_page_all_sort.txt", "page_01.htm\r\npage_02.htm\npage_04.htm");
  write_contents_page(pages.run);
  EXPECT_EQ(masked_clock(pages.folder.read("files_list.htm")), index_fixture("files_list.htm"));
}

TEST(ContentsPage, MissingPageListGivesNoListLines) {
  PageRun pages;
  write_contents_page(pages.run);
  std::string expected = index_fixture("files_list.htm");
  for (const char* name : {"page_01.htm", "page_02.htm", "page_04.htm"}) {
    std::string line = std::string("<a href=\"") + name + "\"><span id = \"" + name + "\" >" +
                       name + "</span></a><br>\r\n";
    expected.erase(expected.find(line), line.size());
  }
  EXPECT_EQ(masked_clock(pages.folder.read("files_list.htm")), expected);
}

TEST(ContentsPage, WritingAgainReplacesThePage) {
  PageRun pages;
  pages.folder.write("files_list.htm", std::string(10000, 'x'));
  pages.folder.write("group_page_all_sort.txt", "page_01.htm\r\npage_02.htm\r\npage_04.htm\r\n");
  write_contents_page(pages.run);
  write_contents_page(pages.run);
  EXPECT_EQ(masked_clock(pages.folder.read("files_list.htm")), index_fixture("files_list.htm"));
}

}  // namespace
}  // namespace docbase
