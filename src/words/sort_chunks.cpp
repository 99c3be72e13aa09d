#include "words/sort_chunks.h"

#include <algorithm>
#include <vector>

#include "words/record_file.h"
#include "words/sort_work_file.h"

namespace docbase {

std::string chunk_file_name(std::size_t number) {
  return "file_s_" + std::to_string(number) + ".txt";
}

std::size_t write_sorted_chunks(RunState& run, const std::filesystem::path& input,
                                std::size_t chunk_lines) {
  LineReader reader(input);
  // The strings are reused from chunk to chunk, so their buffers are too.
  std::vector<std::string> chunk(chunk_lines);
  std::size_t count = 0;
  std::size_t chunks = 0;
  auto write_chunk = [&] {
    // Equal lines are identical, so any correct sort gives the selection order.
    std::sort(chunk.begin(), chunk.begin() + static_cast<std::ptrdiff_t>(count));
    auto writer = create_required_work_file(run.own_file(chunk_file_name(++chunks)));
    for (std::size_t i = 0; i < count; ++i)
      writer->write_line(chunk[i]);
    writer->close();
    count = 0;
  };
  while (reader.read_line(chunk[count])) {
    if (++count == chunk_lines) write_chunk();
  }
  if (count > 0) write_chunk();
  return chunks;
}

}  // namespace docbase
