#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "app/build_constants.h"
#include "app/exit_status.h"
#include "app/run_sequence.h"
#include "app/run_state.h"
#include "app/start_up.h"
#include "platform/console.h"
#include "platform/folder_access.h"
#include "platform/shell.h"
#include "words/record_file.h"

int main(int /*argc*/, char** argv) {
  using namespace docbase;
  // A file size limit must fail the write, not kill the process unannounced.
  std::signal(SIGXFSZ, SIG_IGN);
  std::error_code error;
  std::filesystem::path root = std::filesystem::current_path(error);
  if (error) {
    std::fprintf(stderr, "The working folder cannot be read: %s\n", error.message().c_str());
    return kExitCannotGoOn;
  }
  // Without it every work file would be lost unseen and the run would end
  // with a message that has nothing to do with the cause.
  if (auto reason = unwritable_reason(root)) {
    std::fprintf(stderr, "The working folder %s cannot be written: %s\n", root.c_str(),
                 reason->c_str());
    return kExitCannotGoOn;
  }
  Console console(STDIN_FILENO, stdout, stderr);
  Shell shell(root, console);
  RunState run(console, shell);
  run.module_name = build_module_name();
  run.program_name = program_name_of(run.module_name);
  run.program_path = argv[0] != nullptr ? argv[0] : "";
  try {
    run_sequence(run);
  } catch (const RunEnd& end) {
    console.flush();
    return end.status;
  } catch (const WriteError& failure) {
    console.flush();
    console.error(failure.what());
    return kExitWriteFailed;
  }
  console.flush();
  return kExitCompleted;
}
