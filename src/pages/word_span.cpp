#include "pages/word_span.h"

#include <string>

#include "pages/numeric_value.h"

namespace docbase {

bool has_link_group(bool find_word, std::string_view word) {
  return find_word && word != "Pages_list";
}

void write_word_span(LineWriter& out, const OccurrenceRecord& occurrence) {
  const std::string& id = occurrence.word_id;
  out.write("<span id=\"" + id + "\" type = \"text/javascript\"ondblclick = \"window.open('" +
            occurrence.page + "#" + id + "'); window.event.cancelbubble = true;\">");
  out.write_line(occurrence.word + "</span>");
}

void write_link_group(LineWriter& out, const OccurrenceRecord& occurrence, long long group,
                      long long last_on_page) {
  const std::string& id = occurrence.word_id;
  const std::string& number = occurrence.occurrence_number;
  long long value = numeric_value(number);
  std::string g = std::to_string(group);
  out.write_line("<span hidden id=\"" + id + "\">");
  if (value < last_on_page) {
    out.write_line("(" + number + ")(<a href=\"#" + id + "_" + std::to_string(value + 1) +
                   "\">&gt;</a>,");
  } else {
    out.write_line("(" + number + ")(<a href=\"#" + id + "_" + number + "\"></a>");
  }
  out.write_line("<a href=\"i_" + g + ".htm#" + id + "\">i</a>,");
  out.write_line("<a href=\"s_" + g + ".htm#" + id + "_" + number + "\">s</a>,");
  if (occurrence.next_word_page.empty()) {
    out.write_line("<a href=\"files_list.htm\">c)</a></span>");
  } else {
    out.write_line("<a href=\"files_list.htm\">c</a>,");
    out.write_line("<a href=\"" + occurrence.next_word_page + "#" + id + "\">&gt;&gt;)</a></span>");
  }
  out.write_line("<span id=\"" + id + "_" + number + "\"></span>");
}

void write_occurrence(LineWriter& out, const OccurrenceRecord& occurrence, long long group,
                      bool find_word, const LastOccurrences& last_occurrences) {
  write_word_span(out, occurrence);
  if (!has_link_group(find_word, occurrence.word)) return;
  write_link_group(out, occurrence, group,
                   last_occurrences.last(occurrence.word_id, occurrence.page));
}

}  // namespace docbase
