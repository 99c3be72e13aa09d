#include "index/all_words_index.h"

namespace docbase {

void write_all_words_index(RunState& /*run*/) {}

}  // namespace docbase
