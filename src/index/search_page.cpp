#include "index/search_page.h"

#include <array>
#include <string>

#include "index/page_pieces.h"
#include "index/search_phrase.h"
#include "pages/highlight_script.h"
#include "words/bytes.h"
#include "words/record_file.h"

namespace docbase {
namespace {

// Fields of wrd_12_[G].txt.
enum Field { kPage, kLine, kPosition, kWord, kWordId, kOccurrence, kFieldCount };
using SearchRecord = std::array<std::string, kFieldCount>;

// The text of one search page, written a text line at a time: the words of
// the current line wait in the pending line until a record of another line
// comes, which writes them and the link block of their line.
class SearchPageWriter {
 public:
  SearchPageWriter(LineWriter& page, RunState& run, long long group)
      : page_(page), run_(run), group_(std::to_string(group)) {}

  void take(const SearchRecord& record) {
    if (!started_) {
      line_mark_ = record[kLine];
      started_ = true;
    }
    if (record[kLine] == line_mark_) {
      add_to_line(record);
    } else {
      begin_line(record);
    }
  }

  void finish() { write_pending_line(); }

 private:
  void add_to_line(const SearchRecord& record) {
    pending_line_ += " <span id=\"" + anchor(record) + "\"><a href=\"" + index_link(record) +
                     "\">" + record[kWord] + "</a></span>";
    length_mark_ = phrase_words_.size();
    add_phrase_word(record);
  }

  void begin_line(const SearchRecord& record) {
    if (!had_line_change_) {
      link_word_id_ = record[kWordId];
      had_line_change_ = true;
    }
    write_pending_line();
    pending_line_ = "<span id=\"" + anchor(record) + "\">" + record[kWord] +
                    " &nbsp </span>&nbsp <a href=\"" + index_link(record) + "\">" + record[kWord] +
                    "</a></span>";
    page_.write_line("<a href=\"i_" + group_ + ".htm#" + link_word_id_ + "\">i_" + group_ + "</a>");
    page_.write_line("&nbsp <a href=\"index.htm#" + link_word_id_ + "\">index</a>");
    page_.write_line("&nbsp <a href=\"files_list.htm#" + record[kPage] + "\"> Content (" +
                     record[kPage] + ")</a>");
    link_word_id_ = record[kWordId];
    write_search_links(search_phrase());
    page_.write_line("<br><br>");
    phrase_words_.clear();
    word_count_ = 0;
    add_phrase_word(record);
    line_mark_ = record[kLine];
  }

  void write_search_links(const std::string& phrase) {
    const std::string& destination = run_.destination_address;
    if (!destination.empty()) {
      page_.write_line("&nbsp <a href=\"" + search_address(phrase + " site:" + destination) +
                       "\"> " + destination + "</a>");
    }
    const std::string& site = run_.target_site;
    if (!site.empty()) {
      page_.write_line("&nbsp <a href=\"" + search_address(phrase + " site:" + site) + "\"> " +
                       site + "</a>");
    }
    page_.write_line("&nbsp <a href=\"" + search_address(phrase) + "\"> web_search </a>");
  }

  std::string search_phrase() {
    if (word_count_ <= kLongestWholePhrase) return phrase_words_;
    return random_phrase(phrase_words_, length_mark_, run_.random);
  }

  // A pending line holding the end of a page's markup is not shown.
  void write_pending_line() {
    if (contains(to_lower(pending_line_), "</html>")) return;
    page_.write_line(pending_line_ + "<br>");
  }

  void add_phrase_word(const SearchRecord& record) {
    phrase_words_ += trim_blanks(record[kWord]);
    phrase_words_ += ' ';
    ++word_count_;
  }

  std::string anchor(const SearchRecord& record) const {
    return record[kWordId] + "_" + record[kOccurrence];
  }
  std::string index_link(const SearchRecord& record) const {
    return "i_" + group_ + ".htm#" + record[kWordId];
  }

  LineWriter& page_;
  RunState& run_;
  std::string group_;
  bool started_ = false;
  std::string pending_line_;
  std::string line_mark_;
  bool had_line_change_ = false;
  std::string link_word_id_;
  std::string phrase_words_;
  long long word_count_ = 0;
  std::size_t length_mark_ = 0;
};

}  // namespace

void write_search_page(RunState& run, long long group) {
  LineWriter page(run.file("s_" + std::to_string(group) + ".htm"));
  write_page_head(page, run,
                  "<title>search.htm, content (only words) from input *.htm files</title>");
  write_highlight_script(page, run);
  SearchPageWriter writer(page, run, group);
  RecordReader records(run.file("wrd_12_" + std::to_string(group) + ".txt"));
  SearchRecord record;
  while (!records.at_end()) {
    records.read_fields(record);
    writer.take(record);
  }
  writer.finish();
  page.write_line("</body> <br>");
  page.write_line("</html> <br>");
  page.close();
}

}  // namespace docbase
