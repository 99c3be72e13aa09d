#include "index/search_page.h"

namespace docbase {

void write_search_page(RunState& /*run*/, long long /*group*/) {}

}  // namespace docbase
