#include "words/external_sort.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "app/exit_status.h"
#include "support/shell_run.h"
#include "words/chunk_merge.h"
#include "words/sort_chunks.h"

namespace docbase {
namespace {

// Random lines over bytes that order differently by case, by sign and as
// bytes of 128 and up; some lines repeat, some are empty.
std::vector<std::string> random_lines(std::size_t count, unsigned seed) {
  static const std::string kBytes = "aAzZ !\"~,0\t\x80\xc3\xa9\xff";
  std::mt19937 random(seed);
  std::uniform_int_distribution<std::size_t> length(0, 12);
  std::uniform_int_distribution<std::size_t> byte(0, kBytes.size() - 1);
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < count; ++i) {
    if (i > 0 && random() % 8 == 0) {
      lines.push_back(lines[random() % i]);
      continue;
    }
    std::string line;
    for (std::size_t n = length(random); n > 0; --n)
      line.push_back(kBytes[byte(random)]);
    lines.push_back(line);
  }
  return lines;
}

// The lines with CR LF or LF breaks; the last one without any when asked.
std::string line_file(const std::vector<std::string>& lines, bool last_break = true) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    text += lines[i];
    if (i + 1 < lines.size() || last_break) text += i % 3 == 0 ? "\n" : "\r\n";
  }
  return text;
}

std::string sorted_file(std::vector<std::string> lines) {
  std::sort(lines.begin(), lines.end());
  std::string text;
  for (const std::string& line : lines)
    text += line + "\r\n";
  return text;
}

struct SortRun : ShellRun {
  SortRun() {
    run.sort_input = "in.txt";
    run.sort_output = "out.txt";
  }
};

TEST(ExternalSort, OrdersLikeAnInMemorySortAtEveryChunkBoundary) {
  for (std::size_t count : {0u, 1u, 1999u, 2000u, 2001u, 100000u, 150001u}) {
    SCOPED_TRACE(count);
    SortRun work;
    std::vector<std::string> lines = random_lines(count, static_cast<unsigned>(count));
    // An empty last line cannot stand without a break: it would not be a line.
    bool last_break = count % 2 == 0 || lines.back().empty();
    work.folder.write("in.txt", line_file(lines, last_break));
    external_sort(work.run);
    EXPECT_EQ(work.folder.read("out.txt"), sorted_file(lines));
    EXPECT_EQ(work.folder.read("in.txt"), line_file(lines, last_break));
  }
}

TEST(ExternalSort, KeepsDuplicatesAndOrdersBytesUnsigned) {
  SortRun work;
  work.folder.write("in.txt",
                    "apple\r\n\xc3\xa9t\xc3\xa9\r\nZebra\r\n\r\napple\r\nabc!\r\nabc\r\n");
  external_sort(work.run);
  EXPECT_EQ(work.folder.read("out.txt"),
            "\r\nZebra\r\nabc\r\nabc!\r\napple\r\napple\r\n\xc3\xa9t\xc3\xa9\r\n");
}

TEST(ExternalSort, ReplacesAnOutputThatExistsInAnotherCase) {
  SortRun work;
  work.folder.write("in.txt", "b\r\na\r\n");
  work.folder.write("OUT.TXT", "old text that is longer\r\n");
  external_sort(work.run);
  EXPECT_EQ(work.folder.read("OUT.TXT"), "a\r\nb\r\n");
}

TEST(ExternalSort, AMissingInputGivesAnEmptyOutput) {
  SortRun work;
  external_sort(work.run);
  EXPECT_TRUE(work.folder.exists("out.txt"));
  EXPECT_EQ(work.folder.read("out.txt"), "");
}

TEST(ExternalSort, AnEmptyInputNameEndsTheRunAsAFailure) {
  SortRun work;
  work.run.sort_input.clear();
  EXPECT_EQ(outcome([&] { external_sort(work.run); }), kExitSortFailed);
  EXPECT_EQ(work.captured.out(), "");
}

TEST(SortChunks, CutsChunksOf2000OrderedLines) {
  struct Case {
    std::size_t lines;
    std::size_t chunks;
    std::size_t last_chunk_lines;
  } cases[] = {{0, 0, 0}, {1, 1, 1}, {2000, 1, 2000}, {2001, 2, 1}, {150001, 76, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lines);
    ShellRun work;
    std::vector<std::string> lines = random_lines(c.lines, 7);
    work.folder.write("in.txt", line_file(lines));
    ASSERT_EQ(write_sorted_chunks(work.run, work.folder.path() / "in.txt"), c.chunks);
    if (c.chunks == 0) continue;
    std::vector<std::string> first(lines.begin(), lines.begin() + std::min<long>(2000, c.lines));
    EXPECT_EQ(work.folder.read("file_s_1.txt"), sorted_file(first));
    std::vector<std::string> last(lines.end() - static_cast<long>(c.last_chunk_lines), lines.end());
    EXPECT_EQ(work.folder.read(chunk_file_name(c.chunks)), sorted_file(last));
  }
}

// The sort as first described, in memory: chunks ordered by selection, then
// merge passes that each merge the first m chunk files by scanning every head
// and put the result in place of chunk file 1. Quadratic, kept as the reference.
std::vector<std::string> select_order(std::vector<std::string> chunk) {
  std::vector<bool> taken(chunk.size(), false);
  std::vector<std::string> ordered;
  for (std::size_t first = 0; ordered.size() < chunk.size();) {
    while (taken[first])
      ++first;
    std::size_t candidate = first;
    for (std::size_t k = first; k < chunk.size(); ++k) {
      if (!taken[k] && chunk[k] < chunk[candidate]) candidate = k;
    }
    ordered.push_back(chunk[candidate]);
    taken[candidate] = true;
  }
  return ordered;
}

std::vector<std::string> merge_pass(const std::vector<std::vector<std::string>>& files) {
  std::size_t m = files.size();
  std::vector<std::size_t> next(m, 1);
  std::vector<bool> exhausted(m, false);
  std::vector<std::string> heads;
  for (const auto& file : files)
    heads.push_back(file[0]);
  std::vector<std::string> output;
  std::string current = heads[0];
  std::size_t selected = 0;
  for (;;) {
    for (std::size_t f = 0; f < m; ++f) {
      if (!exhausted[f] && heads[f] < current) {
        current = heads[f];
        selected = f;
      }
    }
    output.push_back(current);
    if (next[selected] == files[selected].size()) {
      exhausted[selected] = true;
      auto open = std::find(exhausted.begin(), exhausted.end(), false);
      if (open == exhausted.end()) return output;
      selected = static_cast<std::size_t>(open - exhausted.begin());
    } else {
      heads[selected] = files[selected][next[selected]++];
    }
    current = heads[selected];
  }
}

std::vector<std::string> sort_literally(const std::vector<std::string>& lines,
                                        std::size_t chunk_lines, std::size_t width) {
  std::vector<std::vector<std::string>> chunks;
  for (std::size_t at = 0; at < lines.size(); at += chunk_lines) {
    std::size_t end = std::min(lines.size(), at + chunk_lines);
    chunks.push_back(select_order(
        {lines.begin() + static_cast<long>(at), lines.begin() + static_cast<long>(end)}));
  }
  std::size_t c = chunks.size();
  std::size_t m = std::min(width, c);
  for (;;) {
    std::vector<std::string> output =
        merge_pass({chunks.begin(), chunks.begin() + static_cast<long>(m)});
    if (c <= m) return output;
    chunks.erase(chunks.begin(), chunks.begin() + static_cast<long>(m));
    chunks.insert(chunks.begin(), output);
    c = c - m + 1;
    if (c <= m) m = c;
  }
}

TEST(MergeChunks, GivesWhatSelectionAndRepeatedMergingIntoTheFirstFileGive) {
  std::mt19937 random(99);
  for (int round = 0; round < 150; ++round) {
    std::size_t chunk_lines = 1 + random() % 6;
    std::size_t width = 2 + random() % 4;
    std::vector<std::string> lines = random_lines(1 + random() % 120, random());
    SCOPED_TRACE(std::to_string(lines.size()) + " lines, chunks of " + std::to_string(chunk_lines) +
                 ", width " + std::to_string(width));
    ShellRun work;
    work.folder.write("in.txt", line_file(lines));
    std::size_t chunks = write_sorted_chunks(work.run, work.folder.path() / "in.txt", chunk_lines);
    merge_chunks(work.run, chunks, MergeLimits{width});
    std::string expected;
    for (const std::string& line : sort_literally(lines, chunk_lines, width))
      expected += line + "\r\n";
    ASSERT_EQ(work.folder.read("sort_output.txt"), expected);
  }
}

// 50 chunk files are merged in one go, straight into sort_output.txt.
TEST(MergeChunks, MergesUpTo50ChunksInOnePass) {
  SortRun work;
  std::vector<std::string> lines = random_lines(100000, 3);
  work.folder.write("in.txt", line_file(lines));
  external_sort(work.run);
  EXPECT_EQ(work.folder.read("sort_output.txt"), sorted_file(lines));
  EXPECT_TRUE(work.folder.exists("file_s_50.txt"));
  EXPECT_FALSE(work.folder.exists("file_s_51.txt"));
}

TEST(MergeChunks, MergesManyChunksInRoundsOfTheMergeWidth) {
  for (std::size_t width : {2u, 3u, 7u}) {
    SCOPED_TRACE(width);
    SortRun work;
    std::vector<std::string> lines = random_lines(23001, static_cast<unsigned>(width));
    work.folder.write("in.txt", line_file(lines));
    sort_file(work.run, MergeLimits{width});
    EXPECT_EQ(work.folder.read("out.txt"), sorted_file(lines));
  }
}

// Every merge output is read back; a chunk file that is out of order makes
// the first merge that reads it fail its check.
TEST(MergeChunks, StopsWithSortErrorWhenAMergeOutputIsOutOfOrder) {
  for (std::size_t width : {2u, 50u}) {
    SCOPED_TRACE(width);
    ShellRun work;
    work.folder.write("file_s_1.txt", "a\r\nc\r\n");
    work.folder.write("file_s_2.txt", "d\r\nb\r\n");
    work.folder.write("file_s_3.txt", "e\r\n");
    EXPECT_EQ(outcome([&] { merge_chunks(work.run, 3, MergeLimits{width}); }), kExitSortFailed);
    EXPECT_EQ(work.captured.out(), "sort error\n");
  }
}

TEST(MergeChunks, MergesFewerFilesAtATimeWhenHandlesRunShort) {
  for (std::size_t open_files : {3u, 5u, 12u}) {
    SCOPED_TRACE(open_files);
    SortRun work;
    std::vector<std::string> lines = random_lines(21000, 11);
    work.folder.write("in.txt", line_file(lines));
    sort_file(work.run, MergeLimits{kMergeWidth, open_files});
    EXPECT_EQ(work.folder.read("out.txt"), sorted_file(lines));
    EXPECT_EQ(work.captured.out(), "");
  }
}

TEST(MergeChunks, ShowsTheFileHandleScreenWhenNotEvenTwoFilesCanBeMerged) {
  struct Case {
    std::size_t open_files;
    const char* failed_file;
  } cases[] = {{0, "sort_output.txt"}, {1, "file_s_1.txt"}, {2, "file_s_2.txt"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.open_files);
    SortRun work;
    work.folder.write("in.txt", line_file(random_lines(5000, 5)));
    EXPECT_EQ(outcome([&] {
                sort_file(work.run, MergeLimits{kMergeWidth, c.open_files});
              }),
              kExitSortFailed);
    EXPECT_EQ(work.captured.out(), std::string("---------- sort error ----------\n"
                                               "number of files > file.max\n"
                                               "file.max =  3\n"
                                               "sort.input$ = in.txt\n"
                                               "sort.output$ = out.txt\n"
                                               "file.name.02$ = ") +
                                       c.failed_file + "\nfile.num.02 =  0\n");
    EXPECT_FALSE(work.folder.exists("out.txt"));
  }
}

// The same through the system's own limit, in a child process so that the
// test process keeps its handles. The limit is set so that exactly `free`
// descriptor numbers below it are unused.
rlim_t limit_leaving(std::size_t free) {
  std::set<int> open;
  for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd"))
    open.insert(std::stoi(entry.path().filename().string()));
  rlim_t limit = 0;
  for (std::size_t unused = 0; unused < free; ++limit) {
    // The listing's own descriptor is closed by now.
    if (!open.contains(static_cast<int>(limit)) || fcntl(static_cast<int>(limit), F_GETFD) == -1) {
      ++unused;
    }
  }
  return limit;
}

void sort_with_free_handles(rlim_t free_handles, const std::vector<std::string>& lines) {
  SortRun work;
  work.folder.write("in.txt", line_file(lines));
  std::string expected = sorted_file(lines);
  rlimit limit{};
  getrlimit(RLIMIT_NOFILE, &limit);
  limit.rlim_cur = limit_leaving(free_handles);
  setrlimit(RLIMIT_NOFILE, &limit);
  int status = outcome([&] { external_sort(work.run); });
  if (status != -1) std::_Exit(status);
  std::_Exit(work.folder.read("out.txt") == expected ? 0 : 99);
}

TEST(MergeChunksDeathTest, NarrowsTheMergeAtTheSystemsHandleLimit) {
  std::vector<std::string> lines = random_lines(20000, 13);
  EXPECT_EXIT(sort_with_free_handles(4, lines), ::testing::ExitedWithCode(0), "");
  EXPECT_EXIT(sort_with_free_handles(2, lines), ::testing::ExitedWithCode(kExitSortFailed), "");
}

}  // namespace
}  // namespace docbase
