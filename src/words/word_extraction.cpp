#include "words/word_extraction.h"

#include <string>
#include <vector>

#include "words/bytes.h"
#include "words/line_filter.h"
#include "words/line_scan.h"
#include "words/record_file.h"

namespace docbase {
namespace {

constexpr std::size_t kTraceZone = 14;  // print zones of the trace lines
// 49 "=" before every scanned line in the trace.
constexpr std::string_view kTraceRule = "=================================================";

// Writes the occurrence records of one page and its trace file.
class PageCutter {
 public:
  PageCutter(RecordWriter& records, bool& tag_carry) : records_(records), tag_carry_(tag_carry) {}

  void cut_page(RunState& run, const std::string& page_name) {
    std::string trace_name = page_name.substr(0, page_name.find(".htm")) + ".txt";
    LineWriter trace(run.own_file(trace_name));
    LineReader page(run.file(page_name));
    LineFilter filter;
    long long line_number = 0;
    std::string line;
    while (page.read_line(line)) {
      ++line_number;
      lowered_ = to_lower(line);
      if (filter.passes_over(line, lowered_)) continue;
      if (!extract_line_words(line, tag_carry_, words_)) continue;
      trace.write(kTraceRule);
      trace.write_line(line);
      for (const LineWord& word : words_)
        write_word(trace, page_name, line_number, word);
    }
  }

 private:
  void write_word(LineWriter& trace, const std::string& page_name, long long line_number,
                  const LineWord& word) {
    records_.write_record({word.text, page_name, pad_number(line_number, 10, ' '),
                           pad_number(static_cast<long long>(word.position), 6, ' '), word.text});
    std::string at = number_text(static_cast<long long>(word.cut_at));
    at.append(kTraceZone - at.size() % kTraceZone, ' ');
    trace.write(at);
    trace.write_line(word.text);
  }

  RecordWriter& records_;
  bool& tag_carry_;
  std::string lowered_;
  std::vector<LineWord> words_;
};

}  // namespace

void extract_words(RunState& run) {
  run.shell("dir /b page_*.htm > dir_02.txt");
  extract_listed_pages(run);
}

void extract_listed_pages(RunState& run) {
  LineReader listing(run.file("dir_02.txt"));
  RecordWriter records(run.file("wrd_01.txt"));
  // A tag left open at the end of a page is still open on the next page.
  bool tag_carry = false;
  PageCutter cutter(records, tag_carry);
  std::string name;
  while (listing.read_line(name)) {
    std::string page_name = to_lower(name);
    if (contains(page_name, ".htm")) cutter.cut_page(run, page_name);
  }
  listing.close();
  records.close();
  run.console.print_line("processed 10%");
}

}  // namespace docbase
