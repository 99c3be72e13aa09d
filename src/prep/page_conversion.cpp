#include "prep/page_conversion.h"

#include <filesystem>
#include <string>

#include "app/prompts.h"
#include "prep/safe_input_name.h"
#include "prep/text_conversion.h"
#include "words/bytes.h"
#include "words/record_file.h"

namespace docbase {
namespace {

// Folders are resolved once and names joined to them: a lookup per page in a
// folder that fills up would scan it again for every page.
std::filesystem::path in_folder(const std::filesystem::path& folder, const std::string& name) {
  return folder.empty() ? folder : folder / name;
}

void convert_texts(RunState& run) {
  run.shell("dir /b txt_wrk\\*.txt > txt_wrk.list");
  const std::filesystem::path text_folder = run.input_file("txt_wrk");
  const std::filesystem::path page_folder = run.file("htm_wrk");
  LineReader listing(run.file("txt_wrk.list"));
  std::string listed;
  while (listing.read_line(listed)) {
    std::size_t at = text_extension_at(listed);
    if (at == std::string::npos) continue;
    std::string page_name = listed.substr(0, at + 1) + "htm";
    LineReader text(in_folder(text_folder, listed));
    LineWriter page(in_folder(page_folder, page_name));
    write_text_page(text, page, "htm_wrk\\" + page_name);
    page.close();
  }
}

void confirm_pages(RunState& run) {
  run.console.print_line("----- dir htm_wrk -----");
  run.shell("dir /b htm_wrk\\*.htm");
  run.console.print_line();
  run.console.print_line(std::string(23, '-'));
  run.console.print_line("number of files =" + number_text(run.input_count));
  run.console.print_line();
  choice_prompt(run, "<1> continue", "<2> end");
}

void stage_pages(RunState& run) {
  run.console.print_line();
  run.shell("md htm_in > out_null.list");
  run.shell("del /q htm_in\\*.* > out_null.list");
  run.shell("copy /y htm_wrk\\*.htm htm_in\\ > out_null.list");
  run.shell("md htm_ndx > out_null.list");
  run.shell("md htm_ndx\\htm_in > out_null.list");
  run.shell("del /q htm_ndx\\htm_in\\*.* > out_null.list");
  run.shell("copy /y htm_in\\*.htm htm_ndx\\htm_in\\ > out_null.txt");
}

}  // namespace

void convert_and_stage_pages(RunState& run) {
  convert_texts(run);
  confirm_pages(run);
  stage_pages(run);
}

}  // namespace docbase
