#pragma once
#include <cstdio>
#include <string>

#include "app/run_state.h"
#include "platform/console.h"
#include "platform/shell.h"
#include "support/temp_folder.h"

namespace docbase {

// A run over a fresh working folder whose console output is kept for checking.
// Members are built in the order they are declared: the run comes last.
struct WorkFolderRun {
  WorkFolderRun()
      : out(std::tmpfile()),
        err(std::tmpfile()),
        console(-1, out, err),
        shell(folder.path(), console),
        run(console, shell) {}
  ~WorkFolderRun() {
    console.flush();
    std::fclose(out);
    std::fclose(err);
  }
  WorkFolderRun(const WorkFolderRun&) = delete;
  WorkFolderRun& operator=(const WorkFolderRun&) = delete;

  // Everything printed on the console's output stream so far.
  std::string console_output() {
    console.flush();
    std::string text;
    std::rewind(out);
    for (int c = std::fgetc(out); c != EOF; c = std::fgetc(out))
      text.push_back(static_cast<char>(c));
    std::fseek(out, 0, SEEK_END);
    return text;
  }

  TempFolder folder;
  std::FILE* out;
  std::FILE* err;
  Console console;
  Shell shell;
  RunState run;
};

}  // namespace docbase
