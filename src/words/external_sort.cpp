#include "words/external_sort.h"

namespace docbase {

void external_sort(RunState& /*run*/) {}

}  // namespace docbase
