#include "platform/shell.h"

#include <utility>

namespace docbase {

Shell::Shell(std::filesystem::path root, Console& console)
    : root_(std::move(root)), console_(console) {}

void Shell::run(std::string_view /*command_line*/) {}

}  // namespace docbase
