#pragma once
#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/command_output.h"
#include "platform/console.h"
#include "platform/names.h"

namespace docbase {

// What one built-in command works with: the root folder, the console for its
// error messages and its standard output.
struct CommandContext {
  const std::filesystem::path& root;
  Console& console;
  CommandOutput& out;
  std::size_t sort_run_bytes;

  void error(std::string_view message) const { console.error(message); }
  // The path of a name inside the root; a name that would leave it is
  // refused with the original platform's message.
  std::optional<std::filesystem::path> resolve(std::string_view name, Access access) const;
};

// A command's words after the command word: its switches (lower-case
// letters, "/b", "/S" or "/b/s") and its other words, in order.
struct Arguments {
  std::string switches;
  std::vector<std::string> operands;
  bool has(char letter) const { return switches.find(letter) != std::string::npos; }
};

// Nothing, after an error message, when a switch is not among allowed.
std::optional<Arguments> split_arguments(const CommandContext& context,
                                         std::span<const std::string> words,
                                         std::string_view allowed);

// Whether a word is a switch rather than a name.
bool is_switch(std::string_view word);

}  // namespace docbase
