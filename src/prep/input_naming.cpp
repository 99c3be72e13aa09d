#include "prep/input_naming.h"

#include <string>

#include "app/exit_status.h"
#include "app/prompts.h"
#include "platform/folder_entries.h"
#include "platform/wildcards.h"
#include "prep/input_name_check.h"
#include "prep/safe_input_name.h"
#include "words/bytes.h"
#include "words/record_file.h"

namespace docbase {
namespace {

// The names a rename would fail on are tried again by the second pass; a
// file whose new name stays taken keeps its own.
void rename_pass(RunState& run) {
  run.shell("dir /b txt_wrk\\*.txt > txt_wrk.list");
  LineReader listing(run.file("txt_wrk.list"));
  std::string listed;
  while (listing.read_line(listed)) {
    std::optional<std::string> safe = safe_input_name(listed);
    // Compared with the name as listed, so that leading blanks, which the
    // safe name drops, are renamed away too.
    if (!safe || *safe == listed) continue;
    run.shell("rename \"txt_wrk\\" + listed + "\" " + *safe);
  }
}

}  // namespace

void test_input_present(RunState& run) {
  run.shell("dir /b  txt_in\\*.txt > txt_file.txt");
  LineReader listing(run.file("txt_file.txt"));
  long long listed = 0;
  std::string line;
  while (listing.read_line(line)) {
    if (contains(line, ".txt")) ++listed;
  }
  if (listed == 0) {
    run.console.print_line();
    run.console.print_line(std::string(28, '-'));
    run.console.print_line("Subfolder txt_in is empty");
    run.console.print_line();
    closing_prompt(run, kExitCannotGoOn);
  }
}

void count_input_files(RunState& run) {
  run.console.print_line();
  run.shell("dir /b txt_in\\*.txt  > txt_file.list");
  // The entries the listing lists, not its lines: a name may hold a line break.
  long long count = 0;
  for (const FolderEntry& entry : list_folder(run.input_file("txt_in"))) {
    if (matches_wildcard("*.txt", entry.name)) ++count;
  }
  if (count == 0) {
    run.console.print_line(std::string(18, '-'));
    run.console.print_line("missing txt_in subfolder");
    run.console.print_line();
    any_key_prompt_and_end(run, kExitCannotGoOn);
  }
  run.input_count = count;
}

void copy_and_rename_inputs(RunState& run) {
  run.shell("copy txt_in\\*.txt txt_wrk\\ > out_null.list");
  rename_uncarriable_copies(run);
  rename_pass(run);
  rename_pass(run);
  rename_clashing_copies(run);
}

std::string page_padding(long long n) {
  constexpr long long kLowestCountOfLength[] = {2, 11, 101, 1001, 10001, 100001, 1000001};
  std::size_t zeros = 0;
  for (long long lowest : kLowestCountOfLength) {
    if (n >= lowest) zeros = zeros == 0 ? 2 : zeros + 1;
  }
  return std::string(zeros, '0');
}

std::string padded_page_number(long long n, long long k) {
  return pad_number(k, page_padding(n).size(), '0');
}

}  // namespace docbase
