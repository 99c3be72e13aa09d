#include "prep/working_folders.h"

#include <string>

#include "app/exit_status.h"
#include "app/prompts.h"
#include "platform/folder_access.h"
#include "platform/folder_entries.h"
#include "prep/command_runner.h"
#include "prep/input_naming.h"

namespace docbase {
namespace {

[[noreturn]] void end_for_missing_folder(RunState& run, int dashes, const std::string& message) {
  run.console.print_line(std::string(dashes, '-'));
  run.console.print_line(message);
  run.console.print_line();
  any_key_prompt_and_end(run, kExitCannotGoOn);
}

void remove_folder_with_files(RunState& run, const std::string& folder) {
  run.shell("dir > " + folder + "\\f_01.txt");
  run.shell("del /q " + folder + "\\*.* > out_null.list");
  run.shell("rd " + folder + " > out_null.list");
}

void clear_or_make(RunState& run, const std::string& folder) {
  if (probe_folder_short(run, "dir /b *. > dir_cur.txt", "dir_cur.txt", folder)) {
    run.shell("del /q " + folder + "\\*.* > out_null.list");
  } else {
    run.shell("md " + folder + " > out_null.list");
  }
}

}  // namespace

void prepare_work_folders(RunState& run) {
  empty_folder(run, "htm_out", "");
  test_input_present(run);
  if (probe_folder_short(run, "dir /b *. > dir_01.txt", "dir_01.txt", "htm_in")) {
    remove_folder_with_files(run, "htm_in");
  }
  run.shell("md htm_in > out_null.list");
  if (!probe_folders_full(run, "htm_in", "").first) {
    end_for_missing_folder(run, 32, "subfolder htm_in must be created");
  }
  count_input_files(run);
  clear_or_make(run, "txt_wrk");
  clear_or_make(run, "htm_wrk");
  if (!probe_folder_short(run, "dir /b *. > dir_cur.txt", "dir_cur.txt", "txt_wrk", true)) {
    end_for_missing_folder(run, 28, "Subfolder txt_wrk must be created.");
  }
}

void remove_previous_outputs(RunState& run) {
  delete_listed_files(run, "dir /b *.htm* > dir_01.txt");
  delete_listed_files(run, "dir /b *.list > dir_01.txt");
  delete_listed_files(run, "dir /b *.txt > dir_01.txt");
  delete_listed_files(run, "dir /b htm_out\\*.* > dir_01.txt", "htm_out\\");
  if (probe_folder_short(run, "dir /b *. > dir_01.txt", "dir_01.txt", "htm_out")) {
    remove_folder_with_files(run, "htm_out");
  }
}

void make_output_folders(RunState& run) {
  run.shell("md htm_in > out_null.list");
  run.shell("md htm_out > out_null.list");
  FullProbe found = probe_folders_full(run, "htm_in", "htm_out");
  if (!found.first || !found.second) {
    end_for_missing_folder(run, 42, "subfolders htm_in, htm_out must be created");
  }
  // An htm_out the run cannot empty or fill would keep an earlier run's
  // document base, which would then pass for this run's.
  std::filesystem::path out = run.file("htm_out");
  if (out.empty()) end_for_missing_folder(run, 42, "subfolder htm_out leads outside");
  if (!list_folder(out).empty()) {
    end_for_missing_folder(run, 42, "subfolder htm_out still holds files that cannot be deleted");
  }
  if (auto reason = unwritable_reason(out)) {
    end_for_missing_folder(run, 42, "subfolder htm_out cannot be written: " + *reason);
  }
}

}  // namespace docbase
