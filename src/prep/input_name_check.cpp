#include "prep/input_name_check.h"

#include <algorithm>
#include <system_error>

#include "app/exit_status.h"
#include "app/prompts.h"
#include "platform/names.h"
#include "prep/safe_input_name.h"

namespace docbase {
namespace {

constexpr std::string_view kForbiddenMarks = "\\:*?\"<>|";

bool is_input_name(std::string_view name) {
  std::size_t at = text_extension_at(name);
  return at != std::string_view::npos && at + 4 == name.size();
}

std::vector<std::string> input_names(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    std::string name = entry.path().filename().string();
    if (is_input_name(name)) names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end(), name_order_less);
  return names;
}

bool holds_control_byte(std::string_view name) {
  return std::any_of(name.begin(), name.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 32; });
}

bool holds_forbidden_mark(std::string_view name) {
  return name.find_first_of(kForbiddenMarks) != std::string_view::npos;
}

}  // namespace

std::string shown_name(std::string_view name) {
  std::string shown;
  for (char c : name) {
    if (static_cast<unsigned char>(c) < 32) {
      shown.push_back('^');
      shown.push_back(static_cast<char>(c + 64));
    } else {
      shown.push_back(c);
    }
  }
  return shown;
}

std::vector<std::string> unusable_input_names(const std::filesystem::path& folder) {
  std::vector<std::string> names = input_names(folder);
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < names.size(); ++i) {
    const std::string& name = names[i];
    if (holds_control_byte(name)) {
      lines.push_back(shown_name(name) + ": holds a control character");
    } else if (holds_forbidden_mark(name)) {
      lines.push_back(shown_name(name) + ": holds one of \\ : * ? \" < > |");
    }
    if (i > 0 && equal_ignoring_case(names[i - 1], name)) {
      lines.push_back(shown_name(name) + ": differs from " + shown_name(names[i - 1]) +
                      " only in letter case");
    }
  }
  return lines;
}

void refuse_unusable_input_names(RunState& run) {
  std::vector<std::string> lines = unusable_input_names(run.input_file("txt_in"));
  if (lines.empty()) return;
  Console& console = run.console;
  console.print_line();
  console.print_line(std::string(28, '-'));
  console.print_line("Subfolder txt_in holds file names that cannot be indexed:");
  for (const std::string& line : lines)
    console.print_line(line);
  console.print_line("Rename these files (ASCII letters, digits and _ only) and start again.");
  console.print_line();
  closing_prompt(run, kExitCannotGoOn);
}

}  // namespace docbase
