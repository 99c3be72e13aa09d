#include "app/run_state.h"

#include "platform/names.h"

namespace docbase {

void RunState::shell(std::string_view command_line) {
  console.flush();
  interpreter.run(command_line);
}

std::filesystem::path RunState::file(std::string_view name) const {
  return resolve_name(root(), name, Access::kWrite).value_or(std::filesystem::path());
}

std::filesystem::path RunState::input_file(std::string_view name) const {
  return resolve_name(root(), name, Access::kRead).value_or(std::filesystem::path());
}

std::filesystem::path RunState::own_file(std::string_view name) const {
  return root() / std::string(name);
}

}  // namespace docbase
