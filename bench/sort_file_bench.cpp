// Sorts one file of a working folder with the program's external sort, as a
// phase of a run does, and prints the seconds it took.
//
//   sort_file_bench FOLDER INPUT OUTPUT

#include <unistd.h>

#include <chrono>
#include <cstdio>

#include "app/exit_status.h"
#include "app/run_state.h"
#include "platform/console.h"
#include "platform/shell.h"
#include "words/external_sort.h"

int main(int argc, char** argv) {
  using namespace docbase;
  if (argc != 4) {
    std::fprintf(stderr, "usage: sort_file_bench FOLDER INPUT OUTPUT\n");
    return 2;
  }
  Console console(STDIN_FILENO, stdout, stderr);
  Shell shell(argv[1], console);
  RunState run(console, shell);
  run.sort_input = argv[2];
  run.sort_output = argv[3];
  auto start = std::chrono::steady_clock::now();
  try {
    external_sort(run);
  } catch (const RunEnd& end) {
    return end.status;
  }
  std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  std::printf("%.3f\n", took.count());
  return 0;
}
