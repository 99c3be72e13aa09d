#pragma once
#include "pages/last_occurrences.h"
#include "pages/occurrence_record.h"
#include "words/record_file.h"

namespace docbase {

// Whether an occurrence gets a hidden link group and anchor after its span.
bool has_link_group(bool find_word, std::string_view word);

// The word span: a double click reopens the page with the word highlighted.
void write_word_span(LineWriter& out, const OccurrenceRecord& occurrence);

// The hidden link group (next occurrence on the page, word index page,
// search page, contents page, next word page) and the occurrence's anchor;
// last_on_page is the word's last occurrence number on this page.
void write_link_group(LineWriter& out, const OccurrenceRecord& occurrence, long long group,
                      long long last_on_page);

// What stands in a word's place on its annotated page: the span and, where
// the occurrence has one, its link group.
void write_occurrence(LineWriter& out, const OccurrenceRecord& occurrence, long long group,
                      bool find_word, const LastOccurrences& last_occurrences);

}  // namespace docbase
