#pragma once
#include <cstddef>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace docbase {

// A write that failed after its file was opened: the run cannot go on.
class WriteError : public std::runtime_error {
 public:
  WriteError(std::string file, std::string reason);
  const std::string& file() const { return file_; }
  const std::string& reason() const { return reason_; }

 private:
  std::string file_;
  std::string reason_;
};

// Buffered bytes of one file; a file that cannot be opened reads as empty.
class ByteSource {
 public:
  explicit ByteSource(const std::filesystem::path& path);
  ~ByteSource();
  ByteSource(const ByteSource&) = delete;
  ByteSource& operator=(const ByteSource&) = delete;

  bool is_open() const { return fd_ >= 0; }
  bool at_end() { return position_ == filled_ && !refill(); }
  // The next byte, or -1 at the end; peek does not consume it.
  int peek() { return at_end() ? -1 : static_cast<unsigned char>(buffer_[position_]); }
  int get() { return at_end() ? -1 : static_cast<unsigned char>(buffer_[position_++]); }
  // Appends bytes up to (not including) the first byte for which stop is true.
  template <typename Stop>
  void take_until(std::string& out, Stop stop);
  void rewind();
  void close();

 private:
  bool refill();
  int fd_ = -1;
  std::unique_ptr<char[]> buffer_;
  std::size_t capacity_ = 0;
  std::size_t position_ = 0;
  std::size_t filled_ = 0;
};

template <typename Stop>
void ByteSource::take_until(std::string& out, Stop stop) {
  while (!at_end()) {
    std::size_t start = position_;
    while (position_ < filled_ && !stop(static_cast<unsigned char>(buffer_[position_]))) {
      ++position_;
    }
    out.append(buffer_.get() + start, position_ - start);
    if (position_ < filled_) return;
  }
}

// One line after another; a line ends at CR LF, LF or CR, and the last needs no break.
class LineReader {
 public:
  explicit LineReader(const std::filesystem::path& path) : source_(path) {}
  bool is_open() const { return source_.is_open(); }
  bool at_end() { return source_.at_end(); }
  // The next line without its break; an empty line at the end of the file.
  std::string read_line();
  // False at the end of the file, where nothing is read.
  bool read_line(std::string& line);
  void rewind() { source_.rewind(); }
  void close() { source_.close(); }

 private:
  ByteSource source_;
};

// Fields of double-quoted, comma-separated records, read one field at a time:
// a line break ends a field as a comma does. Values of any length are read whole.
class RecordReader {
 public:
  explicit RecordReader(const std::filesystem::path& path) : source_(path) {}
  bool is_open() const { return source_.is_open(); }
  bool at_end() { return source_.at_end(); }
  std::string read_field();
  void read_field(std::string& value);
  // Reads fields.size() fields one after another.
  void read_fields(std::span<std::string> fields);
  void rewind() { source_.rewind(); }
  void close() { source_.close(); }

 private:
  ByteSource source_;
};

// The first field of a typed line, by the record reading rules, cut after limit bytes.
std::string first_field(std::string_view line, std::size_t limit = 4096);

// Buffered output ended by CR LF per line. A file that cannot be opened
// swallows what is written; a write that fails later throws WriteError.
class LineWriter {
 public:
  enum class Mode { kCreate, kAppend };
  explicit LineWriter(const std::filesystem::path& path, Mode mode = Mode::kCreate);
  // Closes the file; a failure there ends the process with the write-failure status.
  ~LineWriter();
  LineWriter(const LineWriter&) = delete;
  LineWriter& operator=(const LineWriter&) = delete;

  bool is_open() const { return fd_ >= 0; }
  void write(std::string_view text);
  void write_line(std::string_view text = {});
  // Record output: a double quote, the value, a double quote, then a comma or,
  // for the record's last value, CR LF.
  void write_value(std::string_view value, bool last);
  void write_record(std::initializer_list<std::string_view> values);
  void write_record(std::span<const std::string> values);
  void close();

 private:
  void flush_buffer();
  std::string name_;
  int fd_ = -1;
  std::string buffer_;
};

using RecordWriter = LineWriter;

// Line order: bytes compared as unsigned values, a line that begins another comes first.
inline int compare_lines(std::string_view a, std::string_view b) {
  return a.compare(b);
}

}  // namespace docbase
