#include "words/advertising_page.h"

namespace docbase {

void write_advertising_page(RunState& /*run*/) {}

}  // namespace docbase
