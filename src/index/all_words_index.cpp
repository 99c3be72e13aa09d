#include "index/all_words_index.h"

#include <charconv>
#include <string>
#include <unordered_map>
#include <utility>

#include "index/id_line_counts.h"
#include "index/page_pieces.h"
#include "index/record_runs.h"
#include "words/external_sort.h"
#include "words/record_file.h"

namespace docbase {
namespace {

// Fields of wrd_16.txt.
enum Field { kWordId, kGroup, kPage, kLine, kPosition, kWord, kOccurrence, kFieldCount };
using WordRun = RecordRun<kFieldCount>;

std::string without_blanks(std::string_view text) {
  std::string kept;
  for (char c : text) {
    if (c != ' ') kept.push_back(c);
  }
  return kept;
}

// The group's word file, named by the group number field without its blanks.
std::string group_word_file(std::string_view group_field) {
  return "wrd_11_" + without_blanks(group_field) + ".txt";
}

// The group number field read as a number, as the links show it.
std::string group_link_number(std::string_view group_field) {
  std::string digits = without_blanks(group_field);
  long long number = 0;
  std::from_chars(digits.data(), digits.data() + digits.size(), number);
  return std::to_string(number);
}

// How often each word occurs in each group: the number of lines of the
// group's word file that contain the word id, counted for all words of a
// group in one pass over its file.
class GroupCounts {
 public:
  void want(const WordRun& run) {
    groups_[group_word_file(run.first[kGroup])].counts.want(run.first[kWordId]);
  }

  void count(RunState& run) {
    for (auto& [name, group] : groups_)
      group.readable = group.counts.count_lines_of(run.file(name));
  }

  // Empty when the group's word file cannot be read: no count line is written then.
  std::string count_text(const WordRun& run) const {
    auto found = groups_.find(group_word_file(run.first[kGroup]));
    if (found == groups_.end() || !found->second.readable) return {};
    return std::to_string(found->second.counts.count(run.first[kWordId]));
  }

 private:
  struct GroupFile {
    IdLineCounts counts;
    bool readable = false;
  };
  std::unordered_map<std::string, GroupFile> groups_;
};

// Reads wrd_16.txt once: its number of records and the words each group's
// count is wanted for.
long long survey_words(RunState& run, GroupCounts& counts) {
  RecordRuns<kFieldCount> runs(run.file("wrd_16.txt"), kWordId, kGroup);
  WordRun word_run;
  long long records = 0;
  while (runs.next(word_run)) {
    records += word_run.count;
    counts.want(word_run);
  }
  return records;
}

void write_group_link(LineWriter& page, const WordRun& run, const std::string& count) {
  const std::string& id = run.first[kWordId];
  std::string group = group_link_number(run.first[kGroup]);
  page.write_line("&nbsp;&nbsp;<a href=\"i_" + group + ".htm#" + id + "\" id=\"" + id + "\">(i_" +
                  group + ",&nbsp;&nbsp;" + count + ")</a>");
}

void write_last_group_link(LineWriter& page, const WordRun& run) {
  const std::string& id = run.first[kWordId];
  std::string group = group_link_number(run.first[kGroup]);
  page.write_line("&nbsp;&nbsp;<a href=\"i_" + group + ".htm#" + id + "\" id=\"" + id + "\">(i_" +
                  group + ")</a>");
}

void write_words(LineWriter& page, RunState& run, const GroupCounts& counts, long long records) {
  RecordRuns<kFieldCount> runs(run.file("wrd_16.txt"), kWordId, kGroup);
  WordRun current;
  runs.next(current);
  page.write_line(current.first[kWord]);
  if (records > 2) run.console.print_line("processed 80%");
  WordRun next;
  while (runs.next(next)) {
    write_group_link(page, current, counts.count_text(current));
    if (next.first[kWordId] != current.first[kWordId]) {
      page.write_line("<br>");
      page.write_line(next.first[kWord]);
    }
    std::swap(current, next);
  }
  // The very last link goes without a count.
  write_last_group_link(page, current);
}

}  // namespace

void write_all_words_index(RunState& run) {
  run.sort_input = "wrd_15.txt";
  run.sort_output = "wrd_16.txt";
  external_sort(run);
  write_all_words_page(run);
}

void write_all_words_page(RunState& run) {
  GroupCounts counts;
  long long records = survey_words(run, counts);
  run.console.print_line("processed 70%");
  counts.count(run);
  LineWriter page(run.file("index.htm"));
  write_page_head(page, run, "<title>index of key words</title>");
  write_information_lines(page);
  write_details_lines(page);
  write_date_and_time_lines(page);
  page.write_line("<br><br>");
  page.write_line("Use a combination of two keys (CTRL + F) to search.");
  page.write_line("<br><br>");
  write_words(page, run, counts, records);
  page.write_line("</body>");
  page.write_line("</html>");
  page.close();
  run.console.print_line("processed 90%");
}

}  // namespace docbase
