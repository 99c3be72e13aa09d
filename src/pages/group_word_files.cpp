#include "pages/group_word_files.h"

#include <string>

#include "pages/file_names.h"
#include "pages/page_buckets.h"
#include "words/bytes.h"
#include "words/record_file.h"

namespace docbase {
namespace {

constexpr std::size_t kOccurrenceBuffer = std::size_t{32} << 20;

// Fields of the wrd_08.txt records.
enum Wrd08 : std::size_t { kWordId = 1, kPage, kLine, kPosition, kWord, kWordIdAgain, kOccurrence };
// Their order in a bucket.
enum Held : std::size_t {
  kHeldWordId,
  kHeldLine,
  kHeldPosition,
  kHeldWord,
  kHeldWordIdAgain,
  kHeldOccurrence
};

template <typename Visit>
void for_each_group_page(const RunState& run, long long group, Visit visit) {
  RecordReader pages(run.file(group_file_name("group_search_", group)));
  std::string page;
  while (!pages.at_end()) {
    pages.read_field(page);
    visit(page);
  }
}

// One pass over wrd_08.txt: every record of a grouped page into its page's bucket.
void sort_into_buckets(RunState& run, PageBuckets& buckets) {
  for (long long group = 1; group <= run.group_count; ++group) {
    for_each_group_page(run, group, [&](const std::string& page) { buckets.add_page(page); });
  }
  RecordReader records(run.file("wrd_08.txt"));
  std::array<std::string, 8> record;
  PageBuckets::Values held;
  while (!records.at_end()) {
    records.read_fields(record);
    int bucket = buckets.bucket_of(record[kPage]);
    if (bucket == NameTable::kAbsent) continue;
    held = {record[kWordId], record[kLine],        record[kPosition],
            record[kWord],   record[kWordIdAgain], record[kOccurrence]};
    buckets.add(bucket, held);
  }
}

void write_group(RunState& run, long long group, PageBuckets& buckets, RecordWriter& all_groups) {
  std::string group_field = pad_number(group, 5, ' ');
  RecordWriter by_page(run.file(group_file_name("wrd_11_", group)));
  RecordWriter by_word(run.file(group_file_name("wrd_13_", group)));
  for_each_group_page(run, group, [&](const std::string& page) {
    buckets.for_each(buckets.bucket_of(page), [&](const PageBuckets::Values& v) {
      by_page.write_record({page, v[kHeldLine], v[kHeldPosition], v[kHeldWord], v[kHeldWordIdAgain],
                            v[kHeldOccurrence]});
      by_word.write_record({v[kHeldWordId], page, v[kHeldLine], v[kHeldPosition], v[kHeldWord],
                            v[kHeldWordIdAgain], v[kHeldOccurrence]});
      all_groups.write_record({v[kHeldWordId], group_field, page, v[kHeldLine], v[kHeldPosition],
                               v[kHeldWord], v[kHeldOccurrence]});
    });
  });
  by_page.close();
  by_word.close();
}

}  // namespace

void write_group_word_files(RunState& run) {
  write_group_word_files(run, kOccurrenceBuffer);
}

void write_group_word_files(RunState& run, std::size_t buffer_bytes) {
  PageBuckets buckets(run, buffer_bytes);
  sort_into_buckets(run, buckets);
  RecordWriter all_groups(run.file("wrd_15.txt"));
  for (long long group = 1; group <= run.group_count; ++group) {
    write_group(run, group, buckets, all_groups);
    std::string g = std::to_string(group);
    run.shell("sort wrd_11_" + g + ".txt /o wrd_12_" + g + ".txt");
    run.shell("sort wrd_13_" + g + ".txt /o wrd_14_" + g + ".txt");
  }
}

}  // namespace docbase
