#include "words/record_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/exit_status.h"

namespace docbase {
namespace {

constexpr std::size_t kReadBuffer = 1 << 18;
constexpr std::size_t kWriteBuffer = 1 << 16;

bool is_line_break(int c) {
  return c == '\r' || c == '\n';
}

template <typename Source>
void skip_blanks_and_tabs(Source& source) {
  while (source.peek() == ' ' || source.peek() == '\t')
    source.get();
}

template <typename Source>
void consume_line_break(Source& source) {
  int c = source.peek();
  if (c == '\r') {
    source.get();
    if (source.peek() == '\n') source.get();
  } else if (c == '\n') {
    source.get();
  }
}

template <typename Source>
void read_one_field(Source& source, std::string& value) {
  value.clear();
  skip_blanks_and_tabs(source);
  if (source.at_end()) return;
  if (source.peek() == '"') {
    source.get();
    source.take_until(value, [](int c) { return c == '"' || is_line_break(c); });
    if (source.peek() == '"') {
      source.get();
      skip_blanks_and_tabs(source);
      if (source.peek() == ',') {
        source.get();
        return;
      }
    }
    consume_line_break(source);
    return;
  }
  source.take_until(value, [](int c) { return c == ',' || is_line_break(c); });
  if (source.peek() == ',') {
    source.get();
    return;
  }
  consume_line_break(source);
}

// The same reading rules over a string, for typed lines.
class TextSource {
 public:
  explicit TextSource(std::string_view text) : text_(text) {}
  bool at_end() const { return position_ >= text_.size(); }
  int peek() const { return at_end() ? -1 : static_cast<unsigned char>(text_[position_]); }
  int get() { return at_end() ? -1 : static_cast<unsigned char>(text_[position_++]); }
  template <typename Stop>
  void take_until(std::string& out, Stop stop) {
    while (!at_end() && !stop(peek()))
      out.push_back(static_cast<char>(get()));
  }

 private:
  std::string_view text_;
  std::size_t position_ = 0;
};

}  // namespace

WriteError::WriteError(std::string file, std::string reason)
    : std::runtime_error("cannot write " + file + ": " + reason),
      file_(std::move(file)),
      reason_(std::move(reason)) {}

ByteSource::ByteSource(const std::filesystem::path& path)
    : fd_(path.empty() ? -1 : ::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {
  if (fd_ < 0) return;
  // Small files (id files come by the thousand) get a small buffer, uninitialised.
  struct stat info {};
  std::size_t wanted = kReadBuffer;
  if (::fstat(fd_, &info) == 0 && S_ISREG(info.st_mode)) {
    wanted = std::clamp<std::size_t>(static_cast<std::size_t>(info.st_size) + 1, 4096, kReadBuffer);
  }
  buffer_.reset(new char[wanted]);
  capacity_ = wanted;
}

ByteSource::~ByteSource() {
  close();
}

void ByteSource::close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  position_ = filled_ = 0;
}

bool ByteSource::refill() {
  if (fd_ < 0) return false;
  for (;;) {
    ssize_t got = ::read(fd_, buffer_.get(), capacity_);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return false;  // an unreadable rest reads as the end of the file
    position_ = 0;
    filled_ = static_cast<std::size_t>(got);
    return true;
  }
}

void ByteSource::rewind() {
  if (fd_ < 0) return;
  ::lseek(fd_, 0, SEEK_SET);
  position_ = filled_ = 0;
}

std::string LineReader::read_line() {
  std::string line;
  read_line(line);
  return line;
}

bool LineReader::read_line(std::string& line) {
  line.clear();
  if (source_.at_end()) return false;
  source_.take_until(line, is_line_break);
  consume_line_break(source_);
  return true;
}

std::string RecordReader::read_field() {
  std::string value;
  read_field(value);
  return value;
}

void RecordReader::read_field(std::string& value) {
  read_one_field(source_, value);
}

void RecordReader::read_fields(std::span<std::string> fields) {
  for (auto& field : fields)
    read_one_field(source_, field);
}

std::string first_field(std::string_view line, std::size_t limit) {
  TextSource source(line);
  std::string value;
  read_one_field(source, value);
  if (value.size() > limit) value.resize(limit);
  return value;
}

LineWriter::LineWriter(const std::filesystem::path& path, Mode mode) : name_(path.string()) {
  int flags = O_WRONLY | O_CREAT | O_CLOEXEC | (mode == Mode::kAppend ? O_APPEND : O_TRUNC);
  fd_ = path.empty() ? -1 : ::open(path.c_str(), flags, 0644);
  if (fd_ >= 0) buffer_.reserve(kWriteBuffer * 2);
}

LineWriter::~LineWriter() {
  try {
    close();
  } catch (const WriteError& failure) {
    // A destructor cannot pass the failure on; the run still ends at once.
    std::fprintf(stderr, "%s\n", failure.what());
    std::exit(kExitWriteFailed);
  }
}

void LineWriter::write(std::string_view text) {
  if (fd_ < 0) return;
  buffer_.append(text);
  if (buffer_.size() >= kWriteBuffer) flush_buffer();
}

void LineWriter::write_line(std::string_view text) {
  if (fd_ < 0) return;
  buffer_.append(text);
  buffer_.append("\r\n");
  if (buffer_.size() >= kWriteBuffer) flush_buffer();
}

void LineWriter::write_value(std::string_view value, bool last) {
  if (fd_ < 0) return;
  buffer_.push_back('"');
  buffer_.append(value);
  buffer_.append(last ? "\"\r\n" : "\",");
  if (buffer_.size() >= kWriteBuffer) flush_buffer();
}

void LineWriter::write_record(std::initializer_list<std::string_view> values) {
  std::size_t left = values.size();
  for (std::string_view value : values)
    write_value(value, --left == 0);
}

void LineWriter::write_record(std::span<const std::string> values) {
  for (std::size_t i = 0; i < values.size(); ++i)
    write_value(values[i], i + 1 == values.size());
}

void LineWriter::flush_buffer() {
  std::size_t done = 0;
  while (done < buffer_.size()) {
    ssize_t put = ::write(fd_, buffer_.data() + done, buffer_.size() - done);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) {
      std::string reason = put < 0 ? std::strerror(errno) : "nothing could be written";
      ::close(fd_);
      fd_ = -1;
      buffer_.clear();
      throw WriteError(name_, reason);
    }
    done += static_cast<std::size_t>(put);
  }
  buffer_.clear();
}

void LineWriter::close() {
  if (fd_ < 0) return;
  flush_buffer();
  int result = ::close(fd_);
  fd_ = -1;
  if (result != 0 && errno != EINTR) throw WriteError(name_, std::strerror(errno));
}

}  // namespace docbase
