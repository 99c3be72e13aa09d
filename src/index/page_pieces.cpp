#include "index/page_pieces.h"

#include "app/addresses.h"
#include "words/bytes.h"

namespace docbase {
namespace {

std::string two_digits(int value) {
  return pad_number(value, 2, '0');
}

}  // namespace

void write_page_head(LineWriter& page, const RunState& run, std::string_view title_line) {
  page.write_line("<html>");
  page.write_line("<br>");
  page.write_line("<head>");
  page.write_line("<br>");
  page.write_line(
      "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=" + run.code_page + "\">");
  page.write_line("<br>");
  page.write_line(title_line);
  page.write_line("<br>");
  page.write_line("</head>");
  page.write_line("<br>");
  page.write_line("<body>");
}

void write_information_lines(LineWriter& page) {
  page.write_line("<br>");
  page.write_line("QUICK AND EASY INFORMATION SEARCH");
  page.write_line("<br>");
  page.write_line(
      "We offer users a fast and efficient way to search for information in input files, and they "
      "can also continue their search with the help of program-defined Google search phrases.");
  page.write_line("<br>");
  page.write_line("Just double-clicking on any word is enough to access the index of all words.");
  page.write_line("<br>");
  page.write_line("<br>");
}

void write_date_and_time_lines(LineWriter& page) {
  page.write_line(date_line(local_time_now()));
  page.write_line(time_line(local_time_now()));
}

void write_details_lines(LineWriter& page) {
  page.write_line("Details:");
  page.write_line("<br>");
  page.write_line(information_link());
  page.write_line("<br><br>");
}

std::string search_address(std::string_view query) {
  return std::string(kSearchPrefix) + std::string(query);
}

std::string date_line(const LocalTime& time) {
  return "Date (mm-dd-yy) = " + two_digits(time.month) + "-" + two_digits(time.day) + "-" +
         pad_number(time.year, 4, '0') + "<br>";
}

std::string time_line(const LocalTime& time) {
  return "Time (h:m:s)    = " + two_digits(time.hour) + ":" + two_digits(time.minute) + ":" +
         two_digits(time.second) + "<br>";
}

}  // namespace docbase
