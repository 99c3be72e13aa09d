#include "pages/annotated_pages.h"

#include "pages/annotated_page_writer.h"
#include "pages/file_names.h"
#include "pages/last_occurrences.h"
#include "pages/navigation.h"
#include "pages/word_span.h"

namespace docbase {
namespace {

// One read of the group's id files gives the last occurrence of every word
// of the group on each of its pages.
LastOccurrences count_last_occurrences(RunState& run, const std::string& records_name) {
  LastOccurrences last_occurrences;
  if (!run.find_word) return last_occurrences;
  RecordReader records(run.file(records_name));
  OccurrenceRecord record;
  while (!records.at_end()) {
    read_occurrence(records, record);
    if (has_link_group(run.find_word, record.word)) {
      last_occurrences.need(record.word_id, record.page);
    }
  }
  last_occurrences.count(run);
  return last_occurrences;
}

}  // namespace

void annotate_group(RunState& run, long long group) {
  std::string records_name = group_file_name("wrd_24_", group);
  RecordReader records(run.file(records_name));
  if (records.at_end()) return;
  LastOccurrences last_occurrences = count_last_occurrences(run, records_name);
  Navigation navigation(run.file("group_page_all_sort.txt"));
  AnnotatedPageWriter writer(run, group, navigation, last_occurrences);
  OccurrenceRecord record;
  while (!records.at_end()) {
    read_occurrence(records, record);
    writer.write(record);
  }
  writer.finish();
}

}  // namespace docbase
