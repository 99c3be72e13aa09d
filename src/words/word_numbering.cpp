#include "words/word_numbering.h"

#include <array>
#include <cmath>
#include <string>

#include "words/bytes.h"
#include "words/external_sort.h"
#include "words/leading_number.h"
#include "words/record_file.h"

namespace docbase {
namespace {

template <std::size_t kFields>
using Record = std::array<std::string, kFields>;

std::string word_id(long long index) {
  return "id" + pad_number(index, 8, '0');
}

void sort_into(RunState& run, const std::string& input, const std::string& output) {
  run.sort_input = input;
  run.sort_output = output;
  external_sort(run);
}

// wrd_01.txt (word, page, line, position, word) into wrd_01_01.txt (key word,
// page, line, word, position, word), so that the sort orders by key word.
void write_key_words(RunState& run) {
  RecordReader in(run.file("wrd_01.txt"));
  RecordWriter out(run.file("wrd_01_01.txt"));
  Record<5> r;
  while (!in.at_end()) {
    in.read_fields(r);
    std::string key_word = to_lower(r[0]);
    // Marked blanks are layout, not words.
    if (contains(key_word, "&nbsp;")) continue;
    out.write_record({key_word, r[1], r[2], r[0], r[3], r[4]});
  }
  out.close();
}

// The id of a key word is the index of its first record in sorted order.
void write_word_ids(RunState& run) {
  RecordReader in(run.file("wrd_01_02.txt"));
  RecordWriter out(run.file("wrd_03.txt"));
  Record<6> r;
  // The first record is read without a test, so an empty list still gives one record.
  in.read_fields(r);
  long long index = 0;
  std::string group_key = r[0];
  std::string id = word_id(index);
  out.write_record({r[1], r[2], r[4], r[3], id});
  while (!in.at_end()) {
    in.read_fields(r);
    ++index;
    if (r[0] != group_key) {
      id = word_id(index);
      group_key = r[0];
    }
    out.write_record({r[1], r[2], r[4], r[3], id});
  }
  out.close();
}

void write_occurrence_numbers(RunState& run) {
  RecordReader in(run.file("wrd_03.txt"));
  RecordWriter out(run.file("wrd_04.txt"));
  Record<5> r;
  std::string previous_id;
  long long count = 0;
  bool first = true;
  while (!in.at_end()) {
    in.read_fields(r);
    if (first) previous_id = r[4];
    first = false;
    ++count;
    if (r[4] != previous_id) count = 1;
    if (contains(r[0], "page_") && contains(r[4], "id")) {
      out.write_record({r[0], r[1], r[2], r[3], r[4], std::to_string(count)});
    }
    previous_id = r[4];
  }
  out.close();
}

void drop_incomplete_records(RunState& run) {
  RecordReader in(run.file("wrd_05.txt"));
  RecordWriter out(run.file("wrd_06.txt"));
  Record<6> r;
  while (!in.at_end()) {
    in.read_fields(r);
    if (contains(to_lower(r[0]), "page_") && contains(r[4], "id")) out.write_record(r);
  }
  out.close();
}

void write_reverse_count_keys(RunState& run) {
  RecordReader in(run.file("wrd_06.txt"));
  RecordWriter out(run.file("wrd_07.txt"));
  Record<6> r;
  while (!in.at_end()) {
    in.read_fields(r);
    out.write_record({reverse_count_key(r[5]), r[4], r[0], r[1], r[2], r[3], r[4], r[5]});
  }
  out.close();
}

}  // namespace

std::string reverse_count_key(const std::string& occurrence_number) {
  double key = 100000000 - std::round(leading_number(occurrence_number));
  if (key < 1) return occurrence_number;
  return pad_number(static_cast<long long>(key), 8, '0');
}

void number_words(RunState& run) {
  write_key_words(run);
  sort_into(run, "wrd_01_01.txt", "wrd_01_02.txt");
  run.console.print_line("processed 20%");
  write_word_ids(run);
  write_occurrence_numbers(run);
  sort_into(run, "wrd_04.txt", "wrd_05.txt");
  drop_incomplete_records(run);
  write_reverse_count_keys(run);
  sort_into(run, "wrd_07.txt", "wrd_08.txt");
  run.console.print_line("processed 30%");
}

}  // namespace docbase
