#include "index/word_index_page.h"

#include <string>
#include <utility>

#include "index/contents_page.h"
#include "index/page_pieces.h"
#include "index/record_runs.h"
#include "words/record_file.h"

namespace docbase {
namespace {

// Fields of wrd_14_[G].txt.
enum Field { kWordId, kPage, kLine, kPosition, kWord, kWordIdAgain, kOccurrence, kFieldCount };
using IndexRun = RecordRun<kFieldCount>;

constexpr long long kEntriesPerPromotion = 100;

std::string entry_line(const IndexRun& run) {
  const auto& first = run.first;
  return "<a href=\"" + first[kPage] + "#" + first[kWordId] + "\" id=\"" + first[kWordId] + "\">" +
         first[kWord] + "</a>&nbsp;&nbsp;&nbsp; (" + first[kPage] + ", " +
         std::to_string(run.count) + ")";
}

void write_entry(LineWriter& page, RunState& run, const std::string& group, const IndexRun& entry) {
  const auto& first = entry.first;
  page.write_line("<br>");
  page.write_line(entry_line(entry));
  page.write_line("&nbsp;&nbsp;<a href=\"s_" + group + ".htm#" + first[kWordId] + "_" +
                  first[kOccurrence] + "\">s_" + group + "</a>");
  page.write_line("&nbsp;&nbsp;<a href=\"index.htm#" + first[kWordId] + "\"> index</a>");
  page.write_line("&nbsp;&nbsp;<a href=\"files_list.htm#" + first[kPage] + "\"> Content </a>");
  if (!run.target_site.empty()) {
    page.write_line("&nbsp;&nbsp; <a href=\"" +
                    search_address(first[kWord] + " site:" + run.target_site) + "\"> " +
                    run.target_site + "</a>");
  }
  // The counter runs over every word index page of the run, not per page.
  if (++run.entry_counter > kEntriesPerPromotion) {
    write_promotional_block(page);
    page.write_line("<br>");
    run.entry_counter = 0;
  }
}

void write_entries(LineWriter& page, RunState& run, const std::string& group) {
  RecordRuns<kFieldCount> runs(run.file("wrd_14_" + group + ".txt"), kWordId, kPage);
  IndexRun current;
  runs.next(current);
  IndexRun next;
  while (runs.next(next)) {
    write_entry(page, run, group, current);
    std::swap(current, next);
  }
  // The last entry stands alone: no links and not counted.
  page.write_line(entry_line(current) + "<br>");
}

}  // namespace

void write_word_index_page(RunState& run, long long group) {
  std::string group_text = std::to_string(group);
  LineWriter page(run.file("i_" + group_text + ".htm"));
  write_page_head(page, run, "<title>index of key words</title>");
  write_promotional_block(page);
  write_information_lines(page);
  write_date_and_time_lines(page);
  page.write_line("<br><br>");
  write_contents_page(run);
  page.write_line("<a href=\"files_list.htm\"> Content </a><br>");
  page.write_line("<br>");
  write_entries(page, run, group_text);
  page.write_line("</body>");
  page.write_line("</html>");
  page.close();
}

}  // namespace docbase
