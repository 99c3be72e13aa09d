#include "index/word_index_page.h"

namespace docbase {

void write_word_index_page(RunState& /*run*/, long long /*group*/) {}

}  // namespace docbase
