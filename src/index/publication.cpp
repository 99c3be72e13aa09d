#include "index/publication.h"

#include <string>

#include "app/addresses.h"
#include "app/exit_status.h"
#include "app/prompts.h"
#include "prep/command_runner.h"
#include "words/bytes.h"
#include "words/record_file.h"

namespace docbase {
namespace {

// A name holding a blank is quoted, so that the copy takes it as one name.
void copy_listed_pages(RunState& run) {
  LineReader listing(run.file("dir_02.txt"));
  std::string line;
  while (listing.read_line(line)) {
    std::string name = to_lower(line);
    if (!contains(name, ".htm")) continue;
    run.shell("copy " + command_name(trim_blanks(name)) + " htm_out\\ > out_null.list");
  }
}

void fill_output_folder(RunState& run) {
  if (!probe_folder_short(run, "dir /b *. > dir_01.txt", "dir_01.txt", "htm_out")) {
    run.shell("md htm_out > out_null.list");
  }
  run.shell("dir > htm_out\\f_01.txt > out_null.list");
  run.shell("del /q htm_out\\*.* > out_null.list");
  copy_listed_pages(run);
  run.shell("copy files_list.htm htm_out\\ > out_null.list");
  run.shell("copy i_*.htm htm_out\\ > out_null.list");
  run.shell("copy index.htm htm_out\\ > out_null.list");
  run.shell("copy s_*.htm htm_out\\ > out_null.list");
}

void delete_intermediate_files(RunState& run) {
  run.shell("del /q *.htm*");
  run.shell("del /q *.list");
  delete_listed_files(run, "dir /b *.txt > dir_01.txt");
}

// rd removes only an empty folder: each folder's files go first, and
// htm_ndx\htm_in goes before htm_ndx.
void remove_work_folders(RunState& run) {
  delete_listed_files(run, "dir /b /s htm_in\\*.* > dir_01.txt");
  run.shell("rd htm_in");
  delete_listed_files(run, "dir /b /s htm_ndx\\htm_in\\*.* > dir_01.txt");
  run.shell("rd htm_ndx\\htm_in");
  delete_listed_files(run, "dir /b /s htm_ndx\\*.* > dir_01.txt");
  run.shell("rd htm_ndx");
  delete_listed_files(run, "dir /b /s htm_wrk\\*.* > dir_01.txt");
  run.shell("rd htm_wrk");
  delete_listed_files(run, "dir /b /s txt_wrk\\*.* > dir_01.txt");
  run.shell("rd txt_wrk");
  delete_listed_files(run, "dir /b /s wrd_24\\*.* > dir_01.txt");
  run.shell("rd wrd_24");
}

// The module name without its dot and three-letter extension.
std::string module_base_name(const RunState& run) {
  const std::string& module = run.module_name;
  return module.size() < 4 ? std::string() : module.substr(0, module.size() - 4);
}

// Each line runs in an interpreter of its own, so "cd .." moves no later command.
void run_closing_commands(RunState& run) {
  run.shell("cd ..");
  run.shell("md htm_out");
  run.shell("copy " + module_base_name(run) + "\\htm_out\\*.* htm_ot\\");
}

}  // namespace

void publish_and_clean_up(RunState& run) {
  fill_output_folder(run);
  delete_intermediate_files(run);
  remove_work_folders(run);
  run.console.print_line("processed 100%");
  run_closing_commands(run);
}

void show_results(RunState& run) {
  Console& console = run.console;
  console.print_line();
  console.print_line("============ INDEXING RESULTS ===========");
  console.print_line();
  console.print_line("Indexing is done.");
  console.print_line();
  console.print_line("view subfolder: \\htm_out");
  console.print_line("view files: page*.htm, index*.htm, i_*.htm, s_*.htm");
  console.print_line("You can access the index of all words by double-clicking on any word.");
  console.print_line("details: " + std::string(kMakerSite));
  console.print_line();
  any_key_prompt_and_end(run, kExitCompleted);
}

}  // namespace docbase
