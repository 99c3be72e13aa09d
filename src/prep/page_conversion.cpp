#include "prep/page_conversion.h"

namespace docbase {

void convert_and_stage_pages(RunState& /*run*/) {}

}  // namespace docbase
