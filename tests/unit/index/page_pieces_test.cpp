#include "index/page_pieces.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "page_test_support.h"

namespace docbase {
namespace {

TEST(PagePieces, DateAndTimeLinesPadEveryPart) {
  struct Case {
    LocalTime time;
    std::string date;
    std::string time_of_day;
  };
  const std::vector<Case> cases = {
      {{2024, 3, 7, 9, 5, 2}, "Date (mm-dd-yy) = 03-07-2024<br>", "Time (h:m:s)    = 09:05:02<br>"},
      {{1999, 12, 31, 23, 59, 59},
       "Date (mm-dd-yy) = 12-31-1999<br>",
       "Time (h:m:s)    = 23:59:59<br>"},
      {{2030, 1, 1, 0, 0, 0}, "Date (mm-dd-yy) = 01-01-2030<br>", "Time (h:m:s)    = 00:00:00<br>"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.date);
    EXPECT_EQ(date_line(c.time), c.date);
    EXPECT_EQ(time_line(c.time), c.time_of_day);
  }
}

TEST(PagePieces, DateAndTimeLinesComeFromTheClock) {
  PageRun pages;
  {
    LineWriter page(pages.folder.path() / "clock.htm");
    write_date_and_time_lines(page);
  }
  EXPECT_EQ(masked_clock(pages.folder.read("clock.htm")),
            "Date (mm-dd-yy) = MM-DD-YYYY<br>\r\nTime (h:m:s)    = hh:mm:ss<br>\r\n");
}

TEST(PagePieces, HeadCarriesTheCodePageAndTitle) {
  PageRun pages;
  pages.run.code_page = "windows-1250";
  {
    LineWriter page(pages.folder.path() / "head.htm");
    write_page_head(page, pages.run, "<title>t</title>");
  }
  EXPECT_EQ(pages.folder.read("head.htm"),
            "<html>\r\n<br>\r\n<head>\r\n<br>\r\n"
            "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1250\">\r\n"
            "<br>\r\n<title>t</title>\r\n<br>\r\n</head>\r\n<br>\r\n<body>\r\n");
}

}  // namespace
}  // namespace docbase
