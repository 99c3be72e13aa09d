#include "pages/highlight_script.h"

namespace docbase {

void write_highlight_script(LineWriter& page, const RunState& run) {
  page.write_line("<script language=\"javascript\">");
  page.write_line("if (history.length > 0)");
  page.write_line("{");
  page.write_line("document.writeln(\"<style type=\\\"text/css\\\">\");");
  page.write_line("document.writeln(self.location.hash + \" { color: " + run.font_color +
                  " } \");");
  page.write_line("document.writeln(self.location.hash + \" { font-size: " + run.font_size +
                  " } \");");
  page.write_line("document.writeln(self.location.hash + \" { font-weight: bold } \");");
  if (run.find_word) {
    page.write_line("document.writeln(self.location.hash + \" { display: inline } \");");
  }
  page.write_line("document.writeln(\"</style>\");");
  page.write_line("}");
  page.write_line("</script>");
}

}  // namespace docbase
