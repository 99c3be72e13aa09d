#include "index/contents_page.h"

#include <string>

#include "index/page_pieces.h"
#include "words/record_file.h"

namespace docbase {

void write_contents_page(RunState& run) {
  LineWriter page(run.file("files_list.htm"));
  write_page_head(page, run, "<title>index of key words</title>");
  write_information_lines(page);
  write_details_lines(page);
  write_date_and_time_lines(page);
  page.write_line("<br>");
  LineReader pages(run.file("group_page_all_sort.txt"));
  std::string name;
  while (pages.read_line(name)) {
    page.write_line("<a href=\"" + name + "\"><span id = \"" + name + "\" >" + name +
                    "</span></a><br>");
  }
  page.write_line("<br><br>");
  page.write_line("</body>");
  page.write_line("</html>");
  page.close();
}

}  // namespace docbase
