#include "prep/text_conversion.h"

#include <string>

#include "words/bytes.h"

namespace docbase {

void convert_text(LineReader& text, LineWriter& page) {
  std::string line;
  while (text.read_line(line))
    page.write_line(trim_trailing_blanks(line));
}

void write_text_page(LineReader& text, LineWriter& page, std::string_view title) {
  page.write_line("<HTML>");
  page.write_line("<head>");
  page.write_line(R"(<meta http-equiv="content-type"  content="text/HTML; charset=utf-8">)");
  page.write_line("<title>");
  page.write_line(title);
  page.write_line("</title>");
  page.write_line("</head>");
  page.write_line("<body>");
  page.write_line("<pre>");
  convert_text(text, page);
  page.write_line("</pre>");
  page.write_line("</body>");
  page.write_line("</html>");
}

}  // namespace docbase
