#pragma once
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/console.h"
#include "platform/random.h"
#include "platform/shell.h"

namespace docbase {

// The run-wide values, set once and held to the end of the run, with the
// console and the command interpreter every phase works through.
struct RunState {
  RunState(Console& console_in, Shell& shell_in) : console(console_in), interpreter(shell_in) {}

  Console& console;
  Shell& interpreter;

  // From the build and the start-up.
  std::string module_name;
  std::string program_name;
  std::string program_path;
  std::string target_site;
  // Typed at the destination-address prompt; may be empty.
  std::string destination_address;

  // Presentation parameters and their values in force.
  std::string code_page = "UTF-8";
  std::string font_color = "red";
  std::string font_size = "140%";
  bool find_word = true;

  // Counts fixed by the phases.
  long long input_count = 0;  // also the group size
  long long page_count = 0;
  std::string page_padding;
  long long group_count = 0;
  long long entry_counter = 0;  // entries of the word index pages since the last promotional block

  // The annotated pages' Before page, carried from page to page and from group
  // to group; empty until the first navigation lookup finds one.
  std::string before_page;

  // The external sort's input and output names.
  std::string sort_input;
  std::string sort_output;

  RandomSource random;

  // Hands one command line to the command interpreter and waits for it.
  void shell(std::string_view command_line);

  // The path of a working-folder name, resolved as the interpreter resolves it
  // (backslashes, letter case ignored). A name that would leave the working
  // folder gives an empty path, which reads as empty and swallows writes.
  std::filesystem::path file(std::string_view name) const;
  // The same for a file that is only read (txt_in may be a link elsewhere).
  std::filesystem::path input_file(std::string_view name) const;
  // The path of a name the program itself made up in lower case and that no
  // other spelling can shadow (work files written by the thousand): no lookup.
  std::filesystem::path own_file(std::string_view name) const;
  const std::filesystem::path& root() const { return interpreter.root(); }
};

}  // namespace docbase
