#include "pages/group_word_files.h"

namespace docbase {

void write_group_word_files(RunState& /*run*/) {}

}  // namespace docbase
