#include "pages/next_word_pages.h"

namespace docbase {

void find_next_word_pages(RunState& /*run*/) {}
void copy_to_wrd_24_folder(RunState& /*run*/) {}

}  // namespace docbase
