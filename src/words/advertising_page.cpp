#include "words/advertising_page.h"

#include <string>

#include "app/addresses.h"
#include "words/record_file.h"

namespace docbase {
namespace {

void write_page_lines(LineWriter& page, RunState& run) {
  const std::string address(kMakerAddress);
  page.write_line("<html>");
  page.write_line("<head>");
  page.write_line(R"(<meta http-equiv="Content-Type" content="text/html; charset=)" +
                  run.code_page + "\">");
  page.write_line("<title>advertising message</title>");
  page.write_line("</head>");
  page.write_line("<body>");
  page.write_line("<br>");
  page.write_line("<br> <b> PROMOTE YOUR BRAND WITH OUR PROGRAMS </b>");
  page.write_line("<br>");
  page.write_line(
      "<br> Our programs are intended for companis who want to consolidate their brand through "
      "free distribution of the programs.");
  page.write_line(
      "<br> Advertising messages and search links in the programs are tailored to each customer "
      "individually.");
  page.write_line("<br>");
  page.write_line("<br> PLACEMENT OF ADVERTISING MESSAGES");
  page.write_line(
      "<br> The programs read advertising messages from the web address specified by the buyer "
      "when ordering.");
  page.write_line(
      "<br> Advertisement messages are placed in the all-words index and other output files.");
  page.write_line("<br>");
  page.write_line("<br> GOOGLE SEARCH PHRASES");
  page.write_line(
      "<br> The programs generate Google search strings for all words in the all-words index and "
      "target the web address specified by the buyer when ordering.");
  page.write_line("<br>");
  page.write_line(
      "<br> Remember: the all-words index file is accessible while reading output file, just by "
      "double-clicking on any word.");
  page.write_line("<br> More info at:");
  page.write_line("<br> <a href=\"" + address + "\">" + address + "</a>");
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
