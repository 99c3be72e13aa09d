#include "platform/commands.h"
#include "platform/line_sort.h"

namespace docbase {
namespace {

struct SortArguments {
  std::string input;
  std::string output;  // empty: the standard output
};

std::optional<SortArguments> sort_arguments(const CommandContext& context,
                                            std::span<const std::string> words) {
  SortArguments arguments;
  std::vector<std::string> inputs;
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (!is_switch(words[i])) {
      inputs.push_back(words[i]);
      continue;
    }
    if (words[i] != "/o" && words[i] != "/O") {
      context.error("Invalid switch - " + words[i]);
      return std::nullopt;
    }
    if (i + 1 == words.size() || !arguments.output.empty()) {
      context.error("The syntax of the command is incorrect.");
      return std::nullopt;
    }
    arguments.output = words[++i];
  }
  if (inputs.size() != 1) {
    context.error("The syntax of the command is incorrect.");
    return std::nullopt;
  }
  arguments.input = inputs.front();
  return arguments;
}

}  // namespace

void run_sort(CommandContext& context, std::span<const std::string> words) {
  auto arguments = sort_arguments(context, words);
  if (!arguments) return;
  auto input = context.resolve(arguments->input, Access::kRead);
  if (!input) return;
  LineSorter sorter(context.root, context.sort_run_bytes);
  if (!sorter.read(*input)) {
    context.error("The system cannot find the file specified.");
    return;
  }
  if (arguments->output.empty()) {
    sorter.write([&context](std::string_view line) { context.out.write_line(line); });
    return;
  }
  auto output = context.resolve(arguments->output, Access::kWrite);
  if (!output) return;
  CommandOutput file(*output, false);
  if (!file.is_open()) {
    context.error("Access is denied.");
    return;
  }
  sorter.write([&file](std::string_view line) { file.write_line(line); });
  file.close();
}

}  // namespace docbase
