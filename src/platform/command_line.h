#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace docbase {

// One "> FILE" or ">> FILE" of a command line.
struct Redirection {
  std::string target;
  bool append = false;
};

// A command line cut into its words and its redirections.
struct CommandLine {
  std::vector<std::string> words;
  std::vector<Redirection> redirections;
};

// Blanks (and tabs) separate words; double quotes group a text that holds
// blanks or ">" and are themselves removed. ">" and ">>" outside quotes take
// the next word as their target, with or without blanks between. Nothing when
// a redirection has no target.
std::optional<CommandLine> parse_command_line(std::string_view line);

}  // namespace docbase
