// Any bytes read as records: every field read must come back without a
// crash, and reading must end.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "words/record_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  char name[] = "/tmp/docbase_fuzz_fields_XXXXXX";
  int fd = ::mkstemp(name);
  if (fd < 0) return 0;
  if (::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) {
    ::close(fd);
    ::unlink(name);
    return 0;
  }
  ::close(fd);
  {
    docbase::RecordReader reader(name);
    std::string value;
    std::size_t fields = 0;
    while (!reader.at_end()) {
      reader.read_field(value);
      if (value.size() > size || ++fields > size + 1) __builtin_trap();
    }
    docbase::LineReader lines(name);
    std::string line;
    while (lines.read_line(line)) {
      if (line.size() > size) __builtin_trap();
    }
  }
  ::unlink(name);
  (void)docbase::first_field(bytes);
  return 0;
}
