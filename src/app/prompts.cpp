#include "app/prompts.h"

#include <string>

#include "app/exit_status.h"
#include "words/bytes.h"
#include "words/record_file.h"

namespace docbase {

void choice_prompt(RunState& run, std::string_view first_line, std::string_view second_line) {
  run.console.print_line(first_line);
  run.console.print_line(second_line);
  for (;;) {
    KeyPoll poll = run.console.poll_key();
    if (is_developer_folder(run)) return;
    if (poll.kind == KeyPoll::Kind::kEnd) {
      run.console.error("The input ended before a choice was made.");
      throw RunEnd{kExitInputEnded};
    }
    if (poll.kind == KeyPoll::Kind::kKey) {
      if (poll.key == '1') return;
      if (poll.key == '2') throw RunEnd{kExitCompleted};
    }
    run.console.pause_between_polls();
  }
}

void closing_prompt(RunState& run, int status) {
  run.console.print_line("<1> = continue and end");
  for (;;) {
    KeyPoll poll = run.console.poll_key();
    if (poll.kind == KeyPoll::Kind::kEnd) throw RunEnd{status};
    if (poll.kind == KeyPoll::Kind::kKey && poll.key == '1') throw RunEnd{status};
    run.console.pause_between_polls();
  }
}

void any_key_prompt(RunState& run, std::string_view line) {
  run.console.print_line(line);
  for (;;) {
    KeyPoll poll = run.console.poll_key();
    if (poll.kind != KeyPoll::Kind::kNone) return;
    run.console.pause_between_polls();
  }
}

void any_key_prompt_and_end(RunState& run, int status) {
  any_key_prompt(run, "<...> any key to continue and end");
  throw RunEnd{status};
}

bool is_developer_folder(RunState& run) {
  run.shell("cd > key.select.txt");
  LineReader reader(run.file("key.select.txt"));
  std::string line;
  while (reader.read_line(line)) {
    std::string lowered = to_lower(line);
    if (contains(lowered, "vantor_delovni") && contains(lowered, "txt_vantor_")) return true;
  }
  return false;
}

}  // namespace docbase
