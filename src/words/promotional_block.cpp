#include "words/promotional_block.h"

#include "app/addresses.h"

namespace docbase {

void write_promotional_block(LineWriter& page) {
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
  page.write_line("<br> " + information_link());
}

std::string information_link() {
  std::string address(kInformationAddress);
  return "<a href=\"" + address + "\">" + address + "</a>";
}

}  // namespace docbase
