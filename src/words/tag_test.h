#pragma once
#include <string_view>

namespace docbase {

// Whether a line opens a tag named by keyword: the keyword follows a "<",
// directly or after blanks only, and no "<" follows it. Letter case counts.
bool passes_tag_test(std::string_view line, std::string_view keyword);

}  // namespace docbase
