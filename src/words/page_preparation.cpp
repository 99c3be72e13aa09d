#include "words/page_preparation.h"

#include <string>

#include "prep/command_runner.h"
#include "prep/input_naming.h"
#include "words/bytes.h"
#include "words/line_preparation.h"
#include "words/page_list.h"
#include "words/record_file.h"

namespace docbase {
namespace {

// The page list is lower-cased, the files of htm_in keep their spelling:
// reading the sorted listing in step gives each page's name as it is on
// disk, so that no page has to be looked up by a scan of the folder.
class PageSources {
 public:
  explicit PageSources(RunState& run)
      : run_(run), folder_(run.input_file("htm_in")), sorted_(run.file("dir_03.txt")) {}

  // The source of the next line of the page list.
  std::filesystem::path next(const std::string& listed) {
    if (first_) {
      first_ = false;
      return run_.input_file("htm_in\\" + listed);
    }
    std::string line;
    while (sorted_.read_line(line)) {
      std::string lowered = to_lower(line);
      if (is_advertising_page(lowered)) continue;
      return in_folder(lowered == listed ? line : listed);
    }
    return in_folder(listed);
  }

 private:
  std::filesystem::path in_folder(const std::string& name) const {
    return folder_.empty() ? folder_ : folder_ / name;
  }
  RunState& run_;
  std::filesystem::path folder_;
  LineReader sorted_;
  bool first_ = true;
};

// A prepared page must not match the patterns by which later steps take up
// pages: "page_*.htm" would index it as a numbered page of its own (or let it
// overwrite one; only a failed rename leaves such a base), "i_*.htm" and
// "s_*.htm" would publish it beside the index and search pages.
std::string prepared_page_name(std::string_view listed) {
  std::string name = std::string(listed.substr(0, listed.find(".htm"))) + "_01.htm";
  for (std::string_view taken : {"page_", "i_", "s_"}) {
    if (name.starts_with(taken)) return "file_" + name;
  }
  return name;
}

void prepare_page(const std::filesystem::path& source_path,
                  const std::filesystem::path& prepared_path, TableState& table) {
  LineReader source(source_path);
  LineWriter prepared(prepared_path);
  std::string line;
  while (source.read_line(line)) {
    if (auto prepared_line = prepare_line(line, table)) prepared.write_line(*prepared_line);
  }
  source.close();
  prepared.close();
}

}  // namespace

void prepare_pages(RunState& run) {
  write_page_list(run);
  run.page_count = count_listed_pages(run);
  run.page_padding = page_padding(run.page_count);

  PageSources sources(run);
  LineReader list(run.file("dir_01.txt"));
  TableState table;
  long long page_number = 0;
  std::string line;
  while (list.read_line(line)) {
    std::string listed = to_lower(line);
    std::filesystem::path source = sources.next(listed);
    if (!contains(listed, ".htm")) continue;
    std::string prepared = prepared_page_name(listed);
    prepare_page(source, run.own_file(prepared), table);
    ++page_number;
    std::string numbered = "page_" + padded_page_number(run.page_count, page_number) + ".htm";
    run.shell("copy " + command_name(prepared) + " " + numbered + " > out_null.list");
  }
  run.console.print_line();
  run.console.print_line("processed 1%");
}

}  // namespace docbase
