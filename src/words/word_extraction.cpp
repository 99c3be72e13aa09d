#include "words/word_extraction.h"

namespace docbase {

void extract_words(RunState& /*run*/) {}

}  // namespace docbase
