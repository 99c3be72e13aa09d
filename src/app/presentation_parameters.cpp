#include "app/presentation_parameters.h"

#include <array>
#include <string>
#include <string_view>

#include "app/parameter_list.h"
#include "app/print_zones.h"
#include "words/bytes.h"
#include "words/record_file.h"

namespace docbase {
namespace {

constexpr std::string_view kNoDescription = " ";
// No step marks a row: the overview shows the choices, the values in force stay.
constexpr std::string_view kNoMarker = "   ";

// The code-page pairs lie between the first line and the font-colour header:
// (lines read - 1) / 2, rounded to the nearest, while that header is ahead.
long long count_code_page_pairs(LineReader& list) {
  long long lines_read = 0;
  long long pairs = 0;
  std::string line;
  bool past_code_pages = false;
  while (list.read_line(line)) {
    ++lines_read;
    if (contains(to_lower(line), "font color")) past_code_pages = true;
    if (!past_code_pages) pairs = lines_read / 2;
  }
  return pairs;
}

void print_row(RunState& run, long long number, std::string_view name,
               std::string_view description) {
  std::string number_field = number_text(number);
  const std::array<std::string_view, 4> items = {number_field, name, description, kNoMarker};
  run.console.print_line(zoned_row(items, run.console.width()));
}

void show_overview(RunState& run, LineReader& list, long long code_page_pairs) {
  run.console.print_line();
  run.console.print_line("====== OVERVIEW/SELECT PARAMETERS ======");
  run.console.print_line();
  long long row = 0;
  std::string line;
  while (list.read_line(line)) {
    print_row(run, ++row, line, kNoDescription);
    if (!contains(to_lower(line), "code page")) continue;
    for (long long pair = 0; pair < code_page_pairs; ++pair) {
      std::string name = list.read_line();
      std::string description = list.read_line();
      print_row(run, ++row, name, description);
    }
  }
}

}  // namespace

void settle_presentation_parameters(RunState& run) {
  write_parameter_list(run);
  LineReader list(run.file("publisher_para.txt"));
  long long code_page_pairs = count_code_page_pairs(list);
  list.rewind();
  show_overview(run, list, code_page_pairs);
  list.close();
  run.code_page = "UTF-8";
  run.font_color = "red";
  run.font_size = "140%";
  run.find_word = true;
  run.console.clear_screen();
}

}  // namespace docbase
