#include "words/page_preparation.h"

namespace docbase {

void prepare_pages(RunState& /*run*/) {}

}  // namespace docbase
