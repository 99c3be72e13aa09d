#include "words/page_list.h"

#include <string>

#include "words/bytes.h"
#include "words/record_file.h"

namespace docbase {

void write_page_list(RunState& run) {
  run.shell("dir /b htm_in\\*.htm* > dir_02.txt");
  run.shell("sort dir_02.txt /o dir_03.txt");
  LineReader sorted(run.file("dir_03.txt"));
  LineWriter list(run.file("dir_01.txt"));
  list.write_line("f_promote.htm");
  std::string line;
  while (sorted.read_line(line)) {
    std::string lowered = to_lower(line);
    if (!is_advertising_page(lowered)) list.write_line(lowered);
  }
  sorted.close();
  list.close();
}

long long count_listed_pages(RunState& run) {
  LineReader list(run.file("dir_01.txt"));
  long long pages = 0;
  std::string line;
  while (list.read_line(line)) {
    if (contains(line, ".htm")) ++pages;
  }
  return pages;
}

}  // namespace docbase
