// Any bytes as the lines of a page: every prepared line outside a table
// region begins a new HTML line and holds no byte below 16.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "words/line_preparation.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  docbase::TableState table;
  std::size_t start = 0;
  while (start <= bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    if (end == std::string_view::npos) end = bytes.size();
    std::string_view line = bytes.substr(start, end - start);
    bool verbatim_before = table.on;
    auto prepared = docbase::prepare_line(line, table);
    if (prepared && !verbatim_before && !table.on) {
      for (char c : *prepared) {
        if (static_cast<unsigned char>(c) < 16) __builtin_trap();
      }
      if (prepared->find("<br>") == std::string::npos) __builtin_trap();
    }
    start = end + 1;
  }
  return 0;
}
