#include "platform/commands.h"
#include "words/bytes.h"
#include "words/record_file.h"

namespace docbase {
namespace {

// A literal search text, matched with or without regard to ASCII case.
class TextMatcher {
 public:
  TextMatcher(std::string_view text, bool ignore_case)
      : text_(ignore_case ? to_lower(text) : std::string(text)), ignore_case_(ignore_case) {}

  bool matches(const std::string& line) {
    // An empty search text finds nothing, as on the original platform.
    if (text_.empty()) return false;
    if (!ignore_case_) return contains(line, text_);
    lowered_.assign(line);
    for (char& c : lowered_)
      c = to_lower(c);
    return contains(lowered_, text_);
  }

 private:
  std::string text_;
  bool ignore_case_;
  std::string lowered_;
};

std::string upper_case(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  }
  return upper;
}

// The search text and the files, or nothing after a message.
std::optional<Arguments> search_arguments(CommandContext& context,
                                          std::span<const std::string> words,
                                          std::string_view allowed) {
  auto arguments = split_arguments(context, words, allowed);
  if (!arguments) return std::nullopt;
  if (arguments->operands.size() < 2) {
    context.error("The syntax of the command is incorrect.");
    return std::nullopt;
  }
  return arguments;
}

void find_in_file(CommandContext& context, TextMatcher& matcher, const std::string& name,
                  bool count_only) {
  auto path = context.resolve(name, Access::kRead);
  if (!path) return;
  LineReader reader(*path);
  if (!reader.is_open()) {
    context.error("File not found - " + upper_case(name));
    return;
  }
  std::string header = "---------- " + upper_case(name);
  context.out.write_line();
  if (!count_only) context.out.write_line(header);
  long long count = 0;
  std::string line;
  while (reader.read_line(line)) {
    if (!matcher.matches(line)) continue;
    ++count;
    if (!count_only) context.out.write_line(line);
  }
  if (count_only) context.out.write_line(header + ": " + std::to_string(count));
}

void findstr_in_file(CommandContext& context, TextMatcher& matcher, const std::string& name,
                     bool name_lines) {
  auto path = context.resolve(name, Access::kRead);
  if (!path) return;
  LineReader reader(*path);
  if (!reader.is_open()) {
    context.error("FINDSTR: Cannot open " + name);
    return;
  }
  std::string line;
  while (reader.read_line(line)) {
    if (!matcher.matches(line)) continue;
    context.out.write_line(name_lines ? name + ":" + line : line);
  }
}

}  // namespace

void run_find(CommandContext& context, std::span<const std::string> words) {
  auto arguments = search_arguments(context, words, "ic");
  if (!arguments) return;
  const auto& operands = arguments->operands;
  TextMatcher matcher(operands[0], arguments->has('i'));
  for (std::size_t i = 1; i < operands.size(); ++i)
    find_in_file(context, matcher, operands[i], arguments->has('c'));
}

void run_findstr(CommandContext& context, std::span<const std::string> words) {
  auto arguments = search_arguments(context, words, "i");
  if (!arguments) return;
  const auto& operands = arguments->operands;
  TextMatcher matcher(operands[0], arguments->has('i'));
  // Lines from several files carry the file's name, as on the original platform.
  bool name_lines = operands.size() > 2;
  for (std::size_t i = 1; i < operands.size(); ++i)
    findstr_in_file(context, matcher, operands[i], name_lines);
}

}  // namespace docbase
