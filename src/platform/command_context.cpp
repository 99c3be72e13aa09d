#include "platform/command_context.h"

namespace docbase {

std::optional<std::filesystem::path> CommandContext::resolve(std::string_view name,
                                                             Access access) const {
  auto path = resolve_name(root, name, access);
  if (!path) error("Access is denied.");
  return path;
}

bool is_switch(std::string_view word) {
  // "/x" and "/x/y" are switches; a longer "/..." is a full path.
  if (word.size() < 2 || word[0] != '/') return false;
  for (std::size_t i = 0; i < word.size(); i += 2) {
    if (word[i] != '/' || i + 1 >= word.size() || word[i + 1] == '/') return false;
  }
  return true;
}

std::optional<Arguments> split_arguments(const CommandContext& context,
                                         std::span<const std::string> words,
                                         std::string_view allowed) {
  Arguments arguments;
  for (const std::string& word : words) {
    if (!is_switch(word)) {
      arguments.operands.push_back(word);
      continue;
    }
    for (std::size_t i = 1; i < word.size(); i += 2) {
      char letter = word[i];
      if (letter >= 'A' && letter <= 'Z') letter = static_cast<char>(letter + 32);
      if (allowed.find(letter) == std::string_view::npos) {
        context.error("Invalid switch - " + word);
        return std::nullopt;
      }
      arguments.switches.push_back(letter);
    }
  }
  return arguments;
}

}  // namespace docbase
