#include "app/tool_checks.h"

#include <initializer_list>
#include <string>
#include <string_view>

#include "app/exit_status.h"
#include "app/prompts.h"
#include "words/record_file.h"

namespace docbase {
namespace {

struct ToolCheck {
  std::string_view name_line;
  std::initializer_list<std::string_view> commands;
  std::string_view counted_file;
  long long minimum;
  std::string_view failure_line;
  std::string_view advice_line;
};

constexpr std::string_view kPathAdvice =
    "The system path to the program is most likely to be configured.";

const ToolCheck kChecks[] = {
    {"cmd",
     {"cmd /c dir *. > check_01.txt"},
     "check_01.txt",
     1,
     "Checking for cmd.exe!",
     kPathAdvice},
    {"find",
     {"dir > out_null.txt", "cmd /c for %i in (check_*.txt) do del /q %i >> out_null.txt",
      "cmd /c dir > check_01.txt", "cmd /c find /i \".exe\" check_01.txt >  check_02.txt"},
     "check_02.txt",
     2,
     "Checking for find.exe!",
     kPathAdvice},
    {"findstr",
     {"dir > out_null.txt", "cmd /c for %i in (check_*.txt) do del /q %i >> out_null.txt",
      "cmd /c dir > check_01.txt", "cmd /c findstr /i \".exe\" check_01.txt > check_02.txt"},
     "check_02.txt",
     1,
     "Checking for findstr.exe!",
     kPathAdvice},
    {"sort",
     {"dir > check_01.txt", "del /q check_*.txt", "dir *. > check_01.txt",
      "sort check_01.txt /o check_02.txt"},
     "check_02.txt",
     2,
     "Checking for sort.exe",
     "It is probably necessary to set the system path to the program."},
};

bool passes(RunState& run, const ToolCheck& check) {
  run.console.print_line(check.name_line);
  for (std::string_view command : check.commands)
    run.shell(command);
  return check_line_count(run.file(check.counted_file)) >= check.minimum;
}

}  // namespace

long long check_line_count(const std::filesystem::path& result_file) {
  LineReader result(result_file);
  long long count = 0;
  std::string line;
  while (result.read_line(line)) {
    if (line.find_first_not_of(' ') != std::string::npos) ++count;
  }
  return count;
}

void check_tools(RunState& run) {
  run.console.print_line(std::string(27, '-'));
  run.console.print_line("Checking the accessibility of some urgently needed programs:");
  run.console.print_line("cmd.exe, find.exe, findstr.exe, sort.exe");
  for (const ToolCheck& check : kChecks) {
    if (passes(run, check)) continue;
    run.console.print_line(std::string(21, '-'));
    run.console.print_line(check.failure_line);
    run.console.print_line(check.advice_line);
    closing_prompt(run, kExitCannotGoOn);
  }
}

}  // namespace docbase
