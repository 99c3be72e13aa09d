#include "app/presentation_parameters.h"

namespace docbase {

void settle_presentation_parameters(RunState& /*run*/) {}

}  // namespace docbase
