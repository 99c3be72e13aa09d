#include "app/start_up_screens.h"

namespace docbase {

void show_start_up_screens(RunState& /*run*/) {}

}  // namespace docbase
