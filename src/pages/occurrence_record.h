#pragma once
#include <string>

#include "words/record_file.h"

namespace docbase {

// One record of wrd_24_[G].txt: an occurrence with its next word page.
struct OccurrenceRecord {
  std::string page;
  std::string line;
  std::string position;
  std::string word;
  std::string word_id;
  std::string occurrence_number;
  std::string next_word_page;
};

inline void read_occurrence(RecordReader& records, OccurrenceRecord& record) {
  for (std::string* field : {&record.page, &record.line, &record.position, &record.word,
                             &record.word_id, &record.occurrence_number, &record.next_word_page}) {
    records.read_field(*field);
  }
}

}  // namespace docbase
