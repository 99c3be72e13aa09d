#pragma once
#include <filesystem>
#include <memory>

#include "words/record_file.h"

namespace docbase {

// What opening one of the external sort's work files gave.
template <typename File>
struct OpenedWorkFile {
  std::unique_ptr<File> file;   // null only when out of handles
  bool out_of_handles = false;  // the process or the system has no file handle left
};

// Opens a chunk file for reading (a file that cannot be opened for another
// reason reads as empty), or creates a merge output (any other failure ends
// the run as a failed write does, since the output would lose its lines).
OpenedWorkFile<LineReader> open_work_file_for_reading(const std::filesystem::path& path);
OpenedWorkFile<LineWriter> create_work_file(const std::filesystem::path& path);

// Creates a work file where a lack of handles is no different from any
// other failure: the run ends as after a failed write.
std::unique_ptr<LineWriter> create_required_work_file(const std::filesystem::path& path);

}  // namespace docbase
