#include "pages/annotated_pages.h"

namespace docbase {

void annotate_group(RunState& /*run*/, long long /*group*/) {}

}  // namespace docbase
