#include "unit/pages/reference_passes.h"

#include <array>
#include <memory>

#include "words/bytes.h"
#include "words/external_sort.h"
#include "words/record_file.h"

namespace docbase {
namespace {

std::string group_name(std::string_view stem, long long group) {
  return std::string(stem) + std::to_string(group) + ".txt";
}

bool listed_in(const RunState& run, const std::string& page) {
  LineReader listed(run.file("group_page_all.txt"));
  std::string line;
  while (listed.read_line(line)) {
    if (line == page) return true;
  }
  return false;
}

void append_line(const RunState& run, const std::string& line) {
  LineWriter out(run.file("group_page_all.txt"), LineWriter::Mode::kAppend);
  out.write_line(line);
}

void copy_matching_lines(const RunState& run, const std::string& word_id,
                         const std::filesystem::path& target) {
  LineReader numbered(run.file("wrd_03.txt"));
  LineWriter out(target);
  std::string line;
  while (numbered.read_line(line)) {
    if (contains(line, word_id)) out.write_line(line);
  }
}

std::string next_word_page(const std::filesystem::path& id_file, const std::string& page) {
  RecordReader records(id_file);
  std::array<std::string, 5> record;
  while (!records.at_end()) {
    records.read_fields(record);
    if (record[0] != page) continue;
    do {
      if (records.at_end()) {
        record.fill("");
        break;
      }
      records.read_fields(record);
    } while (record[0] == page);
    if (compare_lines(record[0], page) > 0) return record[0];
  }
  return "";
}

}  // namespace

long long reference_form_page_groups(RunState& run) {
  RecordReader records(run.file("wrd_07.txt"));
  std::array<std::string, 8> record;
  records.read_fields(record);
  { LineWriter(run.file("group_page_all.txt")).write_line(record[2]); }
  long long group = 1;
  auto group_search = std::make_unique<RecordWriter>(run.file(group_name("group_search_", 1)));
  group_search->write_record({record[2]});
  std::string last_added = record[2];
  long long count = 1;
  while (!records.at_end()) {
    records.read_fields(record);
    const std::string& page = record[2];
    if (page == last_added || listed_in(run, page)) continue;
    last_added = page;
    group_search->write_record({page});
    ++count;
    append_line(run, page);
    if (count == run.input_count) {
      group_search.reset();
      count = 0;
      ++group;
      group_search = std::make_unique<RecordWriter>(run.file(group_name("group_search_", group)));
    }
  }
  group_search.reset();
  run.sort_input = "group_page_all.txt";
  run.sort_output = "group_page_all_sort.txt";
  external_sort(run);
  return group;
}

void reference_write_group_word_files(RunState& run) {
  RecordReader records(run.file("wrd_08.txt"));
  RecordWriter all_groups(run.file("wrd_15.txt"));
  std::array<std::string, 8> r;
  for (long long group = 1; group <= run.group_count; ++group) {
    RecordReader pages(run.file(group_name("group_search_", group)));
    RecordWriter by_page(run.file(group_name("wrd_11_", group)));
    RecordWriter by_word(run.file(group_name("wrd_13_", group)));
    std::string g = pad_number(group, 5, ' ');
    while (!pages.at_end()) {
      std::string page = pages.read_field();
      records.rewind();
      while (!records.at_end()) {
        records.read_fields(r);
        if (r[2] != page) continue;
        by_page.write_record({r[2], r[3], r[4], r[5], r[6], r[7]});
        by_word.write_record({r[1], r[2], r[3], r[4], r[5], r[6], r[7]});
        all_groups.write_record({r[1], g, r[2], r[3], r[4], r[5], r[7]});
      }
    }
    by_page.close();
    by_word.close();
    std::string n = std::to_string(group);
    run.shell("sort wrd_11_" + n + ".txt /o wrd_12_" + n + ".txt");
    run.shell("sort wrd_13_" + n + ".txt /o wrd_14_" + n + ".txt");
  }
}

void reference_find_next_word_pages(RunState& run) {
  std::array<std::string, 6> r;
  for (long long group = 1; group <= run.group_count; ++group) {
    RecordWriter out(run.file(group_name("wrd_24_", group)));
    RecordReader records(run.file(group_name("wrd_12_", group)));
    while (!records.at_end()) {
      records.read_fields(r);
      std::filesystem::path id_file = run.file(r[4] + ".txt");
      if (!std::filesystem::exists(id_file)) copy_matching_lines(run, r[4], id_file);
      out.write_record({r[0], r[1], r[2], r[3], r[4], r[5], next_word_page(id_file, r[0])});
    }
  }
}

long long reference_last_occurrence(const std::filesystem::path& id_file, std::string_view page) {
  LineReader lines(id_file);
  std::string line;
  long long count = 0;
  bool met = false;
  while (lines.read_line(line)) {
    bool holds = contains(line, page);
    if (met && !holds) break;
    ++count;
    met = met || holds;
  }
  return count;
}

void reference_look_up(const std::filesystem::path& sorted_pages, std::string_view page,
                       std::string& before, std::string& next) {
  LineReader pages(sorted_pages);
  std::string wanted = to_lower(page);
  std::string line;
  std::string previous;
  bool first = true;
  while (pages.read_line(line)) {
    std::string lowered = to_lower(line);
    if (lowered == wanted) {
      if (!first) before = previous;
      next = pages.read_line(line) ? to_lower(line) : "";
      return;
    }
    previous = lowered;
    first = false;
  }
  next.clear();
}

}  // namespace docbase
