#include "pages/page_groups.h"

#include <array>
#include <optional>
#include <string>
#include <unordered_set>

#include "pages/file_names.h"
#include "words/external_sort.h"
#include "words/record_file.h"

namespace docbase {
namespace {

constexpr std::size_t kPageField = 2;  // of the wrd_07.txt records

// The pages grouped so far, in group_page_all.txt and the open group_search file.
class GroupBuilder {
 public:
  explicit GroupBuilder(RunState& run) : run_(run), all_pages_(run.file("group_page_all.txt")) {}

  void add_first(const std::string& page) {
    open_group(1);
    add(page);
  }

  void offer(const std::string& page) {
    if (page == last_added_ || grouped_.contains(page)) return;
    add(page);
    if (pages_in_group_ != run_.input_count) return;
    pages_in_group_ = 0;
    open_group(group_ + 1);
  }

  long long group_count() const { return group_; }

 private:
  void open_group(long long group) {
    group_ = group;
    group_search_.emplace(run_.file(group_file_name("group_search_", group)));
  }

  void add(const std::string& page) {
    last_added_ = page;
    grouped_.insert(page);
    group_search_->write_record({page});
    all_pages_.write_line(page);
    ++pages_in_group_;
  }

  RunState& run_;
  LineWriter all_pages_;
  std::optional<RecordWriter> group_search_;
  std::unordered_set<std::string> grouped_;
  std::string last_added_;
  long long group_ = 0;
  long long pages_in_group_ = 0;
};

// Reads wrd_07.txt and writes the group files; gives the group count.
long long group_pages(RunState& run) {
  RecordReader records(run.file("wrd_07.txt"));
  std::array<std::string, 8> record;
  GroupBuilder groups(run);
  // The first record is read without a test, so an empty file still gives one group.
  records.read_fields(record);
  groups.add_first(record[kPageField]);
  while (!records.at_end()) {
    records.read_fields(record);
    groups.offer(record[kPageField]);
  }
  return groups.group_count();
}

}  // namespace

void form_page_groups(RunState& run) {
  run.group_count = group_pages(run);
  run.sort_input = "group_page_all.txt";
  run.sort_output = "group_page_all_sort.txt";
  external_sort(run);
  run.console.print_line("processed 40%");
}

}  // namespace docbase
