#pragma once
#include <string_view>

namespace docbase {

// The module name this program was built with.
std::string_view build_module_name();

}  // namespace docbase
