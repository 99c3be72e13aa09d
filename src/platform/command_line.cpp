#include "platform/command_line.h"

namespace docbase {
namespace {

bool is_blank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

class Tokenizer {
 public:
  explicit Tokenizer(std::string_view line) : line_(line) {}

  void skip_blanks() {
    while (position_ < line_.size() && is_blank(line_[position_]))
      ++position_;
  }
  bool at_end() const { return position_ >= line_.size(); }
  bool at_redirection() const { return !at_end() && line_[position_] == '>'; }

  // Consumes ">" or ">>"; true for ">>".
  bool take_redirection() {
    ++position_;
    if (at_redirection()) {
      ++position_;
      return true;
    }
    return false;
  }

  // The next word, quotes removed; nothing when no character (not even a
  // pair of quotes) stands before the next separator.
  std::optional<std::string> take_word() {
    std::string word;
    bool found = false;
    bool quoted = false;
    for (; position_ < line_.size(); ++position_) {
      char c = line_[position_];
      if (c == '"') {
        quoted = !quoted;
        found = true;
        continue;
      }
      if (!quoted && (is_blank(c) || c == '>')) break;
      word.push_back(c);
      found = true;
    }
    if (!found) return std::nullopt;
    return word;
  }

 private:
  std::string_view line_;
  std::size_t position_ = 0;
};

}  // namespace

std::optional<CommandLine> parse_command_line(std::string_view line) {
  CommandLine command;
  Tokenizer tokens(line);
  for (tokens.skip_blanks(); !tokens.at_end(); tokens.skip_blanks()) {
    if (tokens.at_redirection()) {
      bool append = tokens.take_redirection();
      tokens.skip_blanks();
      if (tokens.at_redirection()) return std::nullopt;
      auto target = tokens.take_word();
      if (!target || target->empty()) return std::nullopt;
      command.redirections.push_back({std::move(*target), append});
      continue;
    }
    command.words.push_back(tokens.take_word().value_or(std::string()));
  }
  return command;
}

}  // namespace docbase
