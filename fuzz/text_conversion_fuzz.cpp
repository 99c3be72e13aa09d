// Any bytes as a text file: its page keeps every line, without trailing
// blanks, each ended by CR LF.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include "prep/text_conversion.h"
#include "words/record_file.h"

namespace {

std::string read_all(const std::filesystem::path& path) {
  docbase::LineReader reader(path);
  std::string all;
  std::string line;
  while (reader.read_line(line)) all += line + "\n";
  return all;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  char folder[] = "/tmp/docbase_fuzz_text_XXXXXX";
  if (::mkdtemp(folder) == nullptr) return 0;
  std::filesystem::path text = std::filesystem::path(folder) / "t.txt";
  std::filesystem::path page = std::filesystem::path(folder) / "t.htm";
  {
    docbase::LineWriter writer(text);
    writer.write(std::string_view(reinterpret_cast<const char*>(data), size));
  }
  std::size_t lines = 0;
  {
    docbase::LineReader source(text);
    std::string line;
    while (source.read_line(line)) ++lines;
  }
  {
    docbase::LineReader source(text);
    docbase::LineWriter writer(page);
    docbase::convert_text(source, writer);
  }
  std::string converted = read_all(page);
  std::size_t written = 0;
  for (std::size_t at = converted.find('\n'); at != std::string::npos;
       at = converted.find('\n', at + 1)) {
    if (at > 0 && converted[at - 1] == ' ') __builtin_trap();
    ++written;
  }
  if (written != lines) __builtin_trap();
  std::filesystem::remove_all(folder);
  return 0;
}
