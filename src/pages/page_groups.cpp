#include "pages/page_groups.h"

namespace docbase {

void form_page_groups(RunState& /*run*/) {}

}  // namespace docbase
