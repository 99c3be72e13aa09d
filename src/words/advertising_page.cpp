#include "words/advertising_page.h"

#include <string>

#include "words/promotional_block.h"
#include "words/record_file.h"

namespace docbase {
namespace {

void write_page_lines(LineWriter& page, RunState& run) {
  page.write_line("<html>");
  page.write_line("<head>");
  page.write_line(R"(<meta http-equiv="Content-Type" content="text/html; charset=)" +
                  run.code_page + "\">");
  page.write_line("<title>advertising message</title>");
  page.write_line("</head>");
  page.write_line("<body>");
  write_promotional_block(page);
  page.write_line("</body>");
  page.write_line("<br>");
  page.write_line("<br>");
  page.write_line("</html>");
}

}  // namespace

void write_advertising_page(RunState& run) {
  LineWriter page(run.file("f_promote.htm"));
  write_page_lines(page, run);
  page.close();
  run.shell("copy /y f_promote.htm htm_in\\f_promote.htm > out_null.list");
}

}  // namespace docbase
