#include "app/tool_checks.h"

namespace docbase {

void check_tools(RunState& /*run*/) {}

}  // namespace docbase
