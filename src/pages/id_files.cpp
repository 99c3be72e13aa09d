#include "pages/id_files.h"

#include <string>
#include <vector>

#include "pages/file_names.h"
#include "pages/substring_finder.h"
#include "words/record_file.h"

namespace docbase {
namespace {

// Lines waiting for their id files.
class IdFileBuffers {
 public:
  IdFileBuffers(const RunState& run, const NameTable& word_ids, std::size_t buffer_bytes)
      : run_(run),
        word_ids_(word_ids),
        buffer_bytes_(buffer_bytes),
        lines_(static_cast<std::size_t>(word_ids.size())),
        written_(static_cast<std::size_t>(word_ids.size()), false) {}

  void add(int word_id, std::string_view line) {
    std::string& lines = lines_[static_cast<std::size_t>(word_id)];
    if (lines.empty()) waiting_.push_back(word_id);
    lines += line;
    lines += "\r\n";
    buffered_ += line.size() + 2;
    if (buffered_ > buffer_bytes_) write_waiting();
  }

  // Writes what waits, and an empty file for every id that got no line.
  void finish() {
    write_waiting();
    for (int word_id = 0; word_id < word_ids_.size(); ++word_id) {
      if (!written_[static_cast<std::size_t>(word_id)]) write(word_id);
    }
  }

 private:
  void write_waiting() {
    for (int word_id : waiting_)
      write(word_id);
    waiting_.clear();
    buffered_ = 0;
  }

  void write(int word_id) {
    auto slot = static_cast<std::size_t>(word_id);
    auto mode = written_[slot] ? LineWriter::Mode::kAppend : LineWriter::Mode::kCreate;
    LineWriter out(id_file(run_, word_ids_.name(word_id)), mode);
    out.write(lines_[slot]);
    out.close();
    written_[slot] = true;
    std::string().swap(lines_[slot]);  // gives the memory back, not just the length
  }

  const RunState& run_;
  const NameTable& word_ids_;
  std::size_t buffer_bytes_;
  std::size_t buffered_ = 0;
  std::vector<std::string> lines_;
  std::vector<bool> written_;
  std::vector<int> waiting_;
};

}  // namespace

std::filesystem::path id_file(const RunState& run, std::string_view word_id) {
  return made_file(run, std::string(word_id) + ".txt");
}

void write_id_files(const RunState& run, const NameTable& word_ids, std::size_t buffer_bytes) {
  SubstringFinder finder(word_ids, "id");
  IdFileBuffers buffers(run, word_ids, buffer_bytes);
  LineReader numbered(run.file("wrd_03.txt"));
  std::string line;
  std::vector<int> found;
  while (numbered.read_line(line)) {
    finder.find(line, found);
    for (int word_id : found)
      buffers.add(word_id, line);
  }
  buffers.finish();
}

}  // namespace docbase
