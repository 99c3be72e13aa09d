#include "words/sort_work_file.h"

#include <cerrno>
#include <cstring>

namespace docbase {
namespace {

// errno as the failed open left it: nothing runs between the open and this test.
bool lacks_file_handles() {
  return errno == EMFILE || errno == ENFILE;
}

}  // namespace

OpenedWorkFile<LineReader> open_work_file_for_reading(const std::filesystem::path& path) {
  auto reader = std::make_unique<LineReader>(path);
  // Any other failure reads as empty, as every unopenable file does.
  if (reader->is_open() || !lacks_file_handles()) return {std::move(reader), false};
  return {nullptr, true};
}

OpenedWorkFile<LineWriter> create_work_file(const std::filesystem::path& path) {
  auto writer = std::make_unique<LineWriter>(path);
  if (writer->is_open()) return {std::move(writer), false};
  bool out_of_handles = lacks_file_handles();
  if (!out_of_handles) throw WriteError(path.string(), std::strerror(errno));
  return {nullptr, true};
}

std::unique_ptr<LineWriter> create_required_work_file(const std::filesystem::path& path) {
  auto opened = create_work_file(path);
  if (!opened.file) throw WriteError(path.string(), std::strerror(EMFILE));
  return std::move(opened.file);
}

}  // namespace docbase
