#include "pages/next_word_pages.h"

#include <array>
#include <string>

#include "pages/file_names.h"
#include "pages/id_files.h"
#include "pages/next_word_page_table.h"
#include "prep/command_runner.h"
#include "words/record_file.h"

namespace docbase {
namespace {

constexpr std::size_t kIdFileBuffer = std::size_t{32} << 20;

// Fields of the wrd_12_[G].txt records.
enum Wrd12 : std::size_t { kPage, kLine, kPosition, kWord, kWordId, kOccurrence, kFields };
using Wrd12Record = std::array<std::string, kFields>;

template <typename Visit>
void for_each_record(const RunState& run, long long group, Visit visit) {
  RecordReader records(run.file(group_file_name("wrd_12_", group)));
  Wrd12Record record;
  while (!records.at_end()) {
    records.read_fields(record);
    visit(record);
  }
}

}  // namespace

void find_next_word_pages(RunState& run) {
  find_next_word_pages(run, kIdFileBuffer);
}

void find_next_word_pages(RunState& run, std::size_t buffer_bytes) {
  NextWordPageTable table;
  for (long long group = 1; group <= run.group_count; ++group) {
    for_each_record(run, group, [&](const Wrd12Record& r) { table.need(r[kWordId], r[kPage]); });
  }
  write_id_files(run, table.word_ids(), buffer_bytes);
  table.find(run);
  for (long long group = 1; group <= run.group_count; ++group) {
    RecordWriter out(run.file(group_file_name("wrd_24_", group)));
    for_each_record(run, group, [&](const Wrd12Record& r) {
      out.write_record({r[kPage], r[kLine], r[kPosition], r[kWord], r[kWordId], r[kOccurrence],
                        table.next(r[kWordId], r[kPage])});
    });
    out.close();
  }
  run.console.print_line("processed 50%");
}

void copy_to_wrd_24_folder(RunState& run) {
  if (probe_folder_short(run, "dir /b *.  > dir_01.txt", "dir_01.txt", "wrd_24")) {
    run.shell("dir > wrd_24\\f_01.txt");
    run.shell("del /q wrd_24\\*.txt > out_null.list");
  } else {
    run.shell("md wrd_24 > out_null.list");
  }
  run.shell("copy wrd_24*.txt wrd_24\\ > out_null.list");
  run.shell("copy wrd_24\\*.txt > out_null.list");
}

}  // namespace docbase
