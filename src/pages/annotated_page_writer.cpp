#include "pages/annotated_page_writer.h"

#include <algorithm>

#include "pages/file_names.h"
#include "pages/highlight_script.h"
#include "pages/numeric_value.h"
#include "pages/word_span.h"
#include "words/bytes.h"

namespace docbase {
namespace {

// The bytes of line from column `from` up to, not including, column `to`
// (columns count from 1); columns outside the line are clamped to it.
std::string_view columns(std::string_view line, long long from, long long to) {
  auto clamp = [&](long long column) {
    return static_cast<std::size_t>(std::clamp<long long>(column - 1, 0, line.size()));
  };
  std::size_t start = clamp(from);
  std::size_t end = clamp(to);
  return end <= start ? std::string_view() : line.substr(start, end - start);
}

}  // namespace

bool starts_body(std::string_view line) {
  std::string lowered = to_lower(line);
  std::size_t first_tag = lowered.find('<');
  std::size_t body = lowered.find("body");
  if (first_tag == std::string::npos || body == std::string::npos || first_tag >= body) {
    return false;
  }
  if (lowered[body - 1] == '<') return true;
  if (lowered.find('<', body) != std::string::npos) return false;
  std::size_t tag = lowered.rfind('<', body - 1);
  return std::all_of(lowered.begin() + static_cast<long>(tag) + 1,
                     lowered.begin() + static_cast<long>(body), [](char c) { return c == ' '; });
}

std::string work_file_name(std::string_view page) {
  return std::string(page.substr(0, page.find(".htm"))) + "_02.htm";
}

AnnotatedPageWriter::AnnotatedPageWriter(RunState& run, long long group,
                                         const Navigation& navigation,
                                         const LastOccurrences& last_occurrences)
    : run_(run), group_(group), navigation_(navigation), last_occurrences_(last_occurrences) {}

void AnnotatedPageWriter::write(const OccurrenceRecord& record) {
  long long line_number = numeric_value(record.line);
  long long position = numeric_value(record.position);
  if (!page_in_progress_) start_page(record.page);
  if (record.page != page_ || line_number != lines_read_) finish_line();
  if (record.page != page_) {
    finish_page(PageEnd::kPageChange);
    start_page(record.page);
  }
  read_on_to(line_number);
  write_fragment_before(position);
  write_occurrence(*work_, record, group_, run_.find_word, last_occurrences_);
  // A word that begins inside the one before it must not move the end back,
  // or the bytes between would be written twice.
  long long end = position + static_cast<long long>(record.word.size());
  word_end_ = word_end_ ? std::max(*word_end_, end) : end;
}

void AnnotatedPageWriter::finish() {
  if (!page_in_progress_) return;
  finish_line();
  finish_page(PageEnd::kGroupEnd);
}

void AnnotatedPageWriter::start_page(const std::string& page) {
  page_in_progress_ = true;
  page_ = page;
  page_lines_.emplace(made_file(run_, page));
  work_name_ = work_file_name(page);
  work_.emplace(made_file(run_, work_name_));
  lines_read_ = 0;
  line_.clear();
  word_end_.reset();
  body_found_ = false;
}

void AnnotatedPageWriter::finish_line() {
  work_->write_line(
      columns(line_, word_end_.value_or(1), static_cast<long long>(line_.size()) + 1));
}

void AnnotatedPageWriter::finish_page(PageEnd end) {
  std::string line;
  while (page_lines_->read_line(line)) {
    ++lines_read_;
    if (contains(to_lower(line), "</body>")) write_bottom(end);
    work_->write_line(line);
  }
  page_lines_.reset();
  work_->close();
  work_.reset();
  page_in_progress_ = false;
  run_.shell("copy " + work_name_ + " " + std::string(trim_blanks(page_)) + " > out_null.list");
}

void AnnotatedPageWriter::read_on_to(long long line_number) {
  while (lines_read_ < line_number) {
    line_ = page_lines_->read_line();
    ++lines_read_;
    word_end_.reset();
    if (!body_found_ && starts_body(line_)) {
      body_found_ = true;
      write_top();
    }
    if (lines_read_ < line_number) work_->write_line(line_);
  }
}

void AnnotatedPageWriter::write_fragment_before(long long position) {
  work_->write_line(columns(line_, word_end_.value_or(1), position));
}

void AnnotatedPageWriter::write_top() {
  LineWriter& out = *work_;
  write_highlight_script(out, run_);
  out.write_line("<br>");
  look_up();
  write_navigation_links(out, run_.before_page, next_page_, true);
}

void AnnotatedPageWriter::write_bottom(PageEnd end) {
  work_->write_line("<br>");
  if (end == PageEnd::kPageChange) look_up();
  write_navigation_links(*work_, run_.before_page, next_page_, end == PageEnd::kGroupEnd);
}

void AnnotatedPageWriter::look_up() {
  navigation_.look_up(page_, run_.before_page, next_page_);
}

}  // namespace docbase
