#include "app/start_up.h"

#include <array>
#include <string>

#include "app/addresses.h"
#include "app/exit_status.h"
#include "app/prompts.h"
#include "words/bytes.h"
#include "words/record_file.h"

namespace docbase {
namespace {

// Keeps the text after the last occurrence of marker.
std::string strip_marker(std::string host, std::string_view marker) {
  for (std::size_t at = host.find(marker); at != std::string::npos; at = host.find(marker)) {
    host.erase(0, at + marker.size());
  }
  return host;
}

void show_rename_instructions(RunState& run) {
  Console& console = run.console;
  console.print_line();
  console.print_line(std::string(28, '-'));
  console.print_line(
      "The program creates Google search queries that point to (your) website, which is "
      "summarized in the program name.");
  console.print_line(
      "Therefore, you must rename the program according to the name of (your) website, but the "
      "condition is that the");
  console.print_line("new program name begins with www...(like " + std::string(kExampleWwwHost) +
                     "), http...(like " + std::string(kExampleHttpHost) + ", or https...(like " +
                     std::string(kExampleHttpsHost) + ")");
  console.print_line("BE CAREFUL AND COPY AND RENAME THE PROGRAM ACCORDING TO THE INSTRUCTIONS!");
  console.print_line(std::string(28, '-'));
  console.print_line();
}

}  // namespace

std::string program_name_of(std::string_view module_name) {
  std::string_view stem =
      module_name.substr(0, module_name.size() - std::min<std::size_t>(3, module_name.size()));
  return std::string(stem) + "exe";
}

std::optional<std::string> derive_target_site(std::string_view program_name) {
  std::string_view trimmed = trim_blanks(program_name);
  trimmed = trimmed.substr(0, trimmed.size() - std::min<std::size_t>(4, trimmed.size()));
  std::string host = to_lower(trimmed);
  struct Rule {
    std::string_view marker;
    std::string_view prefix;
  };
  constexpr std::array<Rule, 3> kRules{
      {{"www.", "www."}, {"http.", "http://"}, {"https.", "https://"}}};
  for (const Rule& rule : kRules) {
    if (contains(host, rule.marker))
      return std::string(rule.prefix) + strip_marker(host, rule.marker);
  }
  return std::nullopt;
}

void start_up(RunState& run) {
  run.shell("chcp");
  run.console.print_line(run.module_name);
  run.console.print_line();
  run.console.print_line(run.program_path);
  std::optional<std::string> site = derive_target_site(run.program_name);
  if (!site) {
    show_rename_instructions(run);
    closing_prompt(run, kExitCannotGoOn);
  }
  run.target_site = *site;
  run.console.print_line(run.target_site);
  run.console.print_line();
}

void ask_destination_address(RunState& run) {
  Console& console = run.console;
  console.print_line();
  console.print_line(std::string(23, '-'));
  console.print_line();
  console.print_line("The program enables targeted search.");
  console.print_line("Google search phrases will be targeted to a specific web address.");
  console.print_line(
      "If the destination web address is not specified, Google search will run all over the web.");
  console.print_line();
  std::string answer = console.read_line(
      "web address for destination search (example: " + std::string(kExampleDestination) + ") = ");
  console.print_line();
  run.destination_address = first_field(answer);
}

}  // namespace docbase
