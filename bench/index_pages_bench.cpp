// Throughput and peak memory of the index page writers on generated group
// word files of several vocabulary sizes, against one pass of grep -c and of
// wc -l over the same group word file, and against counting with one scan of
// the group file per word (what one "find /c" per index link costs).
// Times are wall-clock, since the tools run as processes of their own. The
// peak memory counter is the process's own high-water mark: run one benchmark
// per process (--benchmark_filter) for a figure of that benchmark alone.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <sys/resource.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "app/run_state.h"
#include "index/all_words_index.h"
#include "index/search_page.h"
#include "index/word_index_page.h"
#include "platform/console.h"
#include "platform/shell.h"
#include "words/bytes.h"
#include "words/record_file.h"

namespace docbase {
namespace {

constexpr int kOccurrencesPerWord = 5;
constexpr int kWordsPerLine = 12;

std::string word_id(long long number) {
  return "id" + pad_number(number, 8, '0');
}

std::string group_field(int group) {
  return pad_number(group, 5, ' ');
}

// A working folder holding the group word files of two groups: each word
// occurs kOccurrencesPerWord times in each group.
class Corpus {
 public:
  explicit Corpus(long long words) {
    char pattern[] = "/tmp/docbase_bench_XXXXXX";
    root_ = ::mkdtemp(pattern);
    write_files(words);
  }
  ~Corpus() { std::filesystem::remove_all(root_); }
  const std::filesystem::path& root() const { return root_; }
  std::uintmax_t size_of(const std::string& name) const {
    return std::filesystem::file_size(root_ / name);
  }

 private:
  void write_files(long long words) {
    RecordWriter all_groups(root_ / "wrd_16.txt");
    for (int group = 1; group <= 2; ++group) {
      std::string g = std::to_string(group);
      RecordWriter by_page(root_ / ("wrd_11_" + g + ".txt"));
      RecordWriter by_line(root_ / ("wrd_12_" + g + ".txt"));
      RecordWriter by_id(root_ / ("wrd_14_" + g + ".txt"));
      long long occurrence = 0;
      for (long long w = 1; w <= words; ++w) {
        for (int k = 1; k <= kOccurrencesPerWord; ++k, ++occurrence) {
          std::string id = word_id(w);
          std::string word = "word" + std::to_string(w);
          std::string page = "page_0" + std::to_string(1 + k % 2) + ".htm";
          std::string line = pad_number(1 + occurrence / kWordsPerLine, 10, ' ');
          std::string number = std::to_string(k);
          by_page.write_record({page, line, "     1", word, id, number});
          by_line.write_record({page, line, "     1", word, id, number});
          by_id.write_record({id, page, line, "     1", word, id, number});
        }
      }
    }
    for (long long w = 1; w <= words; ++w) {
      for (int group = 1; group <= 2; ++group) {
        for (int k = 1; k <= kOccurrencesPerWord; ++k) {
          all_groups.write_record({word_id(w), group_field(group), "page_01.htm", "         1",
                                   "     1", "word" + std::to_string(w), std::to_string(k)});
        }
      }
    }
  }
  std::filesystem::path root_;
};

// A run state whose console output goes nowhere.
class QuietRun {
 public:
  explicit QuietRun(const std::filesystem::path& root)
      : out_(std::tmpfile()),
        console_(-1, out_, out_),
        shell_(root, console_),
        run_(console_, shell_) {
    run_.target_site = "www.example.org";
  }
  ~QuietRun() { std::fclose(out_); }
  RunState& run() { return run_; }

 private:
  std::FILE* out_;
  Console console_;
  Shell shell_;
  RunState run_;
};

void report(benchmark::State& state, std::uintmax_t bytes_per_iteration) {
  state.SetBytesProcessed(static_cast<std::int64_t>(bytes_per_iteration) * state.iterations());
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  state.counters["peak_rss_MiB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_WordIndexPage(benchmark::State& state) {
  Corpus corpus(state.range(0));
  QuietRun quiet(corpus.root());
  for (auto _ : state)
    write_word_index_page(quiet.run(), 1);
  report(state, corpus.size_of("wrd_14_1.txt"));
}

void BM_SearchPage(benchmark::State& state) {
  Corpus corpus(state.range(0));
  QuietRun quiet(corpus.root());
  for (auto _ : state)
    write_search_page(quiet.run(), 1);
  report(state, corpus.size_of("wrd_12_1.txt"));
}

// Bytes read: wrd_16.txt twice and each group word file once.
void BM_AllWordsPage(benchmark::State& state) {
  Corpus corpus(state.range(0));
  QuietRun quiet(corpus.root());
  for (auto _ : state)
    write_all_words_page(quiet.run());
  report(state, 2 * corpus.size_of("wrd_16.txt") + corpus.size_of("wrd_11_1.txt") +
                    corpus.size_of("wrd_11_2.txt"));
}

// The counts as one find per index link gives them: a scan of the group file per word.
void BM_CountingOneScanPerWord(benchmark::State& state) {
  Corpus corpus(state.range(0));
  for (auto _ : state) {
    long long total = 0;
    for (long long w = 1; w <= state.range(0); ++w) {
      LineReader file(corpus.root() / "wrd_11_1.txt");
      std::string id = word_id(w);
      std::string line;
      while (file.read_line(line))
        total += contains(line, id) ? 1 : 0;
    }
    benchmark::DoNotOptimize(total);
  }
  report(state, corpus.size_of("wrd_11_1.txt") * static_cast<std::uintmax_t>(state.range(0)));
}

void run_tool(benchmark::State& state, const std::string& command, const std::string& file) {
  Corpus corpus(state.range(0));
  std::string line = command + " " + (corpus.root() / file).string() + " > /dev/null";
  for (auto _ : state)
    benchmark::DoNotOptimize(std::system(line.c_str()));
  report(state, corpus.size_of(file));
}

void BM_GrepCountOnePass(benchmark::State& state) {
  run_tool(state, "grep -c id00000007", "wrd_11_1.txt");
}

void BM_WcLinesOnePass(benchmark::State& state) {
  run_tool(state, "wc -l", "wrd_11_1.txt");
}

BENCHMARK(BM_WordIndexPage)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SearchPage)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_AllWordsPage)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_CountingOneScanPerWord)
    ->Arg(1000)
    ->Arg(4000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_GrepCountOnePass)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_WcLinesOnePass)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace docbase
