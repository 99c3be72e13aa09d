#include "app/start_up_screens.h"

#include <string>

#include "app/addresses.h"
#include "app/prompts.h"

namespace docbase {
namespace {

void show_title_and_terms(RunState& run) {
  Console& console = run.console;
  console.print_line(std::string(36, '='));
  console.print_line();
  console.print_line(
      "THE PROGRAM INDEXES A GROUP OF TXT FILES ON EACH WORD AND CREATES A DOCUMENT BASE");
  console.print_line();
  console.print_line("Program name:" + run.program_name);
  console.print_line("Terms of use:");
  console.print_line("");
  console.print_line("");
  console.print_line();
  console.print_line("");
  console.print_line("");
  console.print_line("");
  console.print_line("");
  console.print_line();
  console.print_line("Info: " + std::string(kMakerSite));
  console.print_line();
  console.print_line(std::string(36, '='));
  console.print_line("Do you accept the terms of use?");
  console.print_line();
  choice_prompt(run, "<1> yes, continue", "<2> no, end");
}

void show_font_notice(RunState& run) {
  Console& console = run.console;
  console.print_line();
  console.print_line(std::string(28, '-'));
  console.print_line(
      "FONT CONSOLAS OR LUCIDA CONSOLE MUST BE SELECTED IN THE PROGRAM EXECUTION WINDOW.");
  console.print_line("Setting procedure (necessary for correct printing):");
  console.print_line(
      "- move the mouse to the center of the upper bold edge of the execution window;");
  console.print_line("- right mouse click;");
  console.print_line("- select Properties from the drop-down menu;");
  console.print_line("- select the Font tab;");
  console.print_line("- this tab includes the Consolas or Lucida Console font.");
  console.print_line();
  console.print_line("In the Layout tab, select the size of the execution window.");
  console.print_line("Selected settings work when the program is restarted.");
  console.print_line(std::string(28, '-'));
  console.print_line();
  choice_prompt(run, "<1> continue", "<2> end");
}

void show_install_notice(RunState& run) {
  Console& console = run.console;
  console.print_line();
  console.print_line(std::string(28, '-'));
  console.print_line("THE PROGRAM MUST BE INSTALLED IN YOUR OWN DIRECTORY.");
  console.print_line(
      "During execution, the program creates and also deletes most *.txt and other files.");
  console.print_line();
  console.print_line(
      "The TXT files you want to index must be written in UTF-8 format and copied to the TXT_IN "
      "subfolder.");
  console.print_line(
      "The TXT file names must not contain spaces or special characters (ASCII only).");
  console.print_line(std::string(28, '-'));
  console.print_line();
  choice_prompt(run, "<1> continue", "<2> end");
}

}  // namespace

void show_start_up_screens(RunState& run) {
  show_title_and_terms(run);
  show_font_notice(run);
  show_install_notice(run);
}

}  // namespace docbase
