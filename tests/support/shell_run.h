#pragma once
#include <string_view>

#include "app/exit_status.h"
#include "app/run_state.h"
#include "platform/shell.h"
#include "support/captured_console.h"
#include "support/temp_folder.h"

namespace docbase {

// A run state on a fresh temporary working folder, its console captured.
struct ShellRun {
  explicit ShellRun(std::string_view keys = {}, std::string_view folder_stem = "docbase")
      : folder(folder_stem),
        captured(keys),
        shell(folder.path(), captured.console()),
        run(captured.console(), shell) {}
  TempFolder folder;
  CapturedConsole captured;
  Shell shell;
  RunState run;
};

// The status a step ended the run with, or -1 when it returned.
template <typename Step>
int outcome(Step step) {
  try {
    step();
  } catch (const RunEnd& end) {
    return end.status;
  }
  return -1;
}

}  // namespace docbase
