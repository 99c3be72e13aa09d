#pragma once
#include <string_view>

#include "words/record_file.h"

namespace docbase {

// Copies every line of a text, byte for byte but for its trailing blanks;
// nothing is escaped, so markup in the text reaches the page as markup.
void convert_text(LineReader& text, LineWriter& page);

// Writes the whole page of one text: a minimal HTML page titled title, the
// text in a preformatted block.
void write_text_page(LineReader& text, LineWriter& page, std::string_view title);

}  // namespace docbase
