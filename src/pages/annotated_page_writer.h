#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "app/run_state.h"
#include "pages/last_occurrences.h"
#include "pages/navigation.h"
#include "pages/occurrence_record.h"
#include "words/record_file.h"

namespace docbase {

// Whether a page line starts the page body (a "<body" tag, in any case).
bool starts_body(std::string_view line);

// The work file of a page: its name up to the first ".htm", then "_02.htm".
std::string work_file_name(std::string_view page);

// Rewrites the pages of one group, fed their occurrence records in order:
// each page's lines are copied, its words cut out of their lines and written
// as word spans, with the highlight script and the navigation links around
// the body. A finished page's work file is copied over the page.
class AnnotatedPageWriter {
 public:
  AnnotatedPageWriter(RunState& run, long long group, const Navigation& navigation,
                      const LastOccurrences& last_occurrences);
  void write(const OccurrenceRecord& record);
  // The group's records have ended.
  void finish();

 private:
  enum class PageEnd { kPageChange, kGroupEnd };
  void start_page(const std::string& page);
  void finish_line();
  void finish_page(PageEnd end);
  void read_on_to(long long line_number);
  void write_fragment_before(long long position);
  void write_top();
  void write_bottom(PageEnd end);
  void look_up();

  RunState& run_;
  long long group_;
  const Navigation& navigation_;
  const LastOccurrences& last_occurrences_;
  bool page_in_progress_ = false;
  std::string page_;
  std::optional<LineReader> page_lines_;
  std::string work_name_;
  std::optional<LineWriter> work_;
  long long lines_read_ = 0;
  std::string line_;
  std::optional<long long> word_end_;
  bool body_found_ = false;
  std::string next_page_;
};

}  // namespace docbase
