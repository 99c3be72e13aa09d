#pragma once
#include <string>

#include "words/record_file.h"

namespace docbase {

// The block that advertises the programs: the advertising page holds it, and
// the word index pages repeat it.
void write_promotional_block(LineWriter& page);

// An anchor whose target and visible text are both the information address.
std::string information_link();

}  // namespace docbase
