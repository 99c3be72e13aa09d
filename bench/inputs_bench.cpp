// Throughput and memory of the two line passes of the path in: converting a
// text into its page and preparing a page line by line. Each runs on texts of
// ordinary lines and on a text that is one single line, at two sizes, so the
// time ratio between sizes shows whether a pass stays linear. sed, stripping
// trailing blanks from the same file, is the reference tool. peak_MB is the
// process's peak so far: run one case per process (--benchmark_filter) to
// read a case's own peak.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "prep/text_conversion.h"
#include "words/line_preparation.h"
#include "words/record_file.h"

namespace docbase {
namespace {

namespace fs = std::filesystem;

// The generated texts are kept here between runs.
fs::path bench_folder() {
  fs::path folder = fs::temp_directory_path() / "docbase_inputs_bench";
  fs::create_directories(folder);
  return folder;
}

// megabytes of words, in lines of about 80 bytes or as one line.
fs::path text_file(long megabytes, bool one_line) {
  fs::path path = bench_folder() /
                  ("text_" + std::to_string(megabytes) + (one_line ? "_one" : "_lines") + ".txt");
  if (fs::exists(path)) return path;
  std::ofstream out(path, std::ios::binary);
  const std::string words =
      "   lorem ipsum <dolor> sit & amet, consectetur\tadipiscing elit sed do  ";
  std::size_t target = static_cast<std::size_t>(megabytes) * 1000000;
  std::size_t written = 0;
  while (written < target) {
    out << words;
    written += words.size();
    if (!one_line) {
      out << "\r\n";
      written += 2;
    }
  }
  return path;
}

double peak_megabytes() {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void report(benchmark::State& state, const fs::path& input) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(fs::file_size(input)));
  state.counters["peak_MB"] = peak_megabytes();
}

void BM_ConvertText(benchmark::State& state) {
  fs::path input = text_file(state.range(0), state.range(1) != 0);
  fs::path output = bench_folder() / "converted.htm";
  for (auto _ : state) {
    LineReader text(input);
    LineWriter page(output);
    write_text_page(text, page, "htm_wrk\\bench.htm");
    page.close();
  }
  report(state, input);
}

void BM_PreparePage(benchmark::State& state) {
  fs::path input = text_file(state.range(0), state.range(1) != 0);
  fs::path output = bench_folder() / "prepared.htm";
  for (auto _ : state) {
    LineReader source(input);
    LineWriter prepared(output);
    TableState table;
    std::string line;
    while (source.read_line(line)) {
      if (auto prepared_line = prepare_line(line, table)) prepared.write_line(*prepared_line);
    }
    prepared.close();
  }
  report(state, input);
}

void BM_ReferenceSed(benchmark::State& state) {
  fs::path input = text_file(state.range(0), state.range(1) != 0);
  std::string command =
      "sed -e 's/ *$//' '" + input.string() + "' > '" + (bench_folder() / "sed.txt").string() + "'";
  for (auto _ : state) {
    if (std::system(command.c_str()) != 0) state.SkipWithError("sed failed");
  }
  report(state, input);
}

// {megabytes, one line}
void sizes(benchmark::internal::Benchmark* bench) {
  bench->Args({10, 0})->Args({50, 0})->Args({10, 1})->Args({50, 1});
  bench->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
}
BENCHMARK(BM_ConvertText)->Apply(sizes);
BENCHMARK(BM_PreparePage)->Apply(sizes);
BENCHMARK(BM_ReferenceSed)->Apply(sizes);

}  // namespace
}  // namespace docbase
