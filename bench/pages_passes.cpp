// Wall time, throughput and peak memory of the page-group passes (page
// groups, group word files, id files and next word pages, annotated pages)
// on generated corpora of several sizes, against one `wc -l` over each
// pass's main input in the same run. Every pass and every tool runs in a
// child process of its own, so that its peak resident memory is its own.
//
//   pages_passes [occurrences...]      default: 250000 1000000 2000000
//
// The corpus: pages of ten-word lines, words drawn from a Zipf distribution
// over 40000 synthetic words (one in ten capitalised, many holding "id"),
// with the word lists of the earlier phases made from it directly. The page
// groups include the external sort of the page list, and the group word
// files their sort commands, as in a run.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "app/run_state.h"
#include "pages/annotated_pages.h"
#include "pages/group_word_files.h"
#include "pages/next_word_pages.h"
#include "pages/page_groups.h"
#include "platform/console.h"
#include "platform/shell.h"
#include "words/bytes.h"
#include "words/record_file.h"

namespace docbase {
namespace {

constexpr int kVocabulary = 40000;
constexpr int kWordsPerLine = 10;
constexpr int kLinesPerPage = 2000;
constexpr int kFirstTextLine = 9;

namespace fs = std::filesystem;

std::string page_name(int page) {
  return "page_" + pad_number(page, 4, '0') + ".htm";
}

std::vector<std::string> vocabulary(std::mt19937& random) {
  const char* syllables[] = {"ka", "lo", "mi", "id", "ru", "sa", "ti", "vo", "de",
                             "do", "fi", "ga", "hu", "je", "ko", "la", "ma", "no"};
  std::vector<std::string> words;
  std::uniform_int_distribution<int> syllable(0, 17), length(2, 5);
  for (int i = 0; i < kVocabulary; ++i) {
    std::string word;
    for (int n = length(random); n > 0; --n)
      word += syllables[syllable(random)];
    words.push_back(word);
  }
  return words;
}

struct Occurrence {
  int page;
  int line;
  int position;
  std::string word;
  std::string key;
  std::string id;
  int number = 0;
};

// The advertising page and enough full pages for the occurrences.
int page_count(long long occurrences) {
  long long per_page = static_cast<long long>(kLinesPerPage) * kWordsPerLine;
  return static_cast<int>((occurrences + per_page - 1) / per_page) + 1;
}

// Writes the numbered pages and gives their occurrences in document order.
std::vector<Occurrence> write_pages(const fs::path& root, long long occurrences) {
  std::mt19937 random(20240611);
  std::vector<std::string> words = vocabulary(random);
  std::vector<double> cumulative;
  double total = 0;
  for (int rank = 1; rank <= kVocabulary; ++rank)
    cumulative.push_back(total += 1.0 / std::pow(rank, 1.07));
  std::uniform_real_distribution<double> uniform(0, total);
  std::uniform_int_distribution<int> capital(0, 9);
  std::vector<Occurrence> found;
  int pages = page_count(occurrences);
  for (int page = 1; page <= pages; ++page) {
    LineWriter out(root / page_name(page));
    std::string title = "htm_wrk\\book_" + std::to_string(page) + ".htm";
    for (const char* line : {"<br><HTML>", "<br><head>", "<br><title>"})
      out.write_line(line);
    out.write_line("<br>" + title);
    found.push_back({page, 4, 5, title, to_lower(title), ""});
    for (const char* line : {"<br></title>", "<br></head>", "<br><body>"})
      out.write_line(line);
    int lines = page == 1 ? 20 : kLinesPerPage;
    for (int line = kFirstTextLine; line < kFirstTextLine + lines; ++line) {
      std::string text = "<br>";
      for (int w = 0; w < kWordsPerLine; ++w) {
        auto rank = std::lower_bound(cumulative.begin(), cumulative.end(), uniform(random)) -
                    cumulative.begin();
        std::string word = words[static_cast<std::size_t>(std::min<long>(rank, kVocabulary - 1))];
        if (capital(random) == 0) word[0] = static_cast<char>(word[0] - 32);
        if (w > 0) text += ' ';
        found.push_back({page, line, static_cast<int>(text.size()) + 1, word, to_lower(word), ""});
        text += word;
      }
      out.write_line(text);
    }
    out.write_line("<br></body>");
    out.write_line("<br></html>");
  }
  return found;
}

std::string line_field(int line) {
  return pad_number(line, 10, ' ');
}
std::string position_field(int position) {
  return pad_number(position, 6, ' ');
}

// wrd_03.txt, wrd_07.txt and wrd_08.txt as word numbering leaves them.
void write_word_lists(const fs::path& root, std::vector<Occurrence>& all) {
  auto key_order = [](const Occurrence& o) {
    return std::tie(o.key, o.page, o.line, o.word, o.position);
  };
  std::sort(all.begin(), all.end(),
            [&](const Occurrence& a, const Occurrence& b) { return key_order(a) < key_order(b); });
  {
    RecordWriter numbered(root / "wrd_03.txt");
    std::string key, id;
    int number = 0;
    for (std::size_t i = 0; i < all.size(); ++i) {
      if (i == 0 || all[i].key != key) {
        key = all[i].key;
        id = "id" + pad_number(static_cast<long long>(i), 8, '0');
        number = 0;
      }
      all[i].id = id;
      all[i].number = ++number;
      numbered.write_record({page_name(all[i].page), line_field(all[i].line),
                             position_field(all[i].position), all[i].word, id});
    }
  }
  auto document_order = [](const Occurrence& o) { return std::tie(o.page, o.line, o.position); };
  std::sort(all.begin(), all.end(), [&](const Occurrence& a, const Occurrence& b) {
    return document_order(a) < document_order(b);
  });
  std::vector<std::string> lines;
  {
    RecordWriter ordered(root / "wrd_07.txt");
    for (const Occurrence& o : all) {
      std::string values[] = {pad_number(100000000 - o.number, 8, '0'),
                              o.id,
                              page_name(o.page),
                              line_field(o.line),
                              position_field(o.position),
                              o.word,
                              o.id,
                              std::to_string(o.number)};
      ordered.write_record(values);
      std::string line;
      for (const std::string& v : values)
        line += "\"" + v + "\",";
      line.back() = '\r';
      lines.push_back(line + "\n");
    }
  }
  std::sort(lines.begin(), lines.end());
  LineWriter by_count(root / "wrd_08.txt");
  for (const std::string& line : lines)
    by_count.write(line);
}

struct Measure {
  double seconds = 0;
  double peak_mib = 0;
  double user_seconds = 0;
  double system_seconds = 0;
};

Measure in_child(const std::function<void()>& work) {
  std::fflush(nullptr);  // or the child would print the parent's buffered lines again
  auto start = std::chrono::steady_clock::now();
  pid_t child = ::fork();
  if (child == 0) {
    work();
    std::fflush(nullptr);
    ::_exit(0);
  }
  int status = 0;
  rusage usage{};
  ::wait4(child, &status, 0, &usage);
  std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "child failed\n");
    std::exit(1);
  }
  auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
  return {took.count(), static_cast<double>(usage.ru_maxrss) / 1024.0, seconds(usage.ru_utime),
          seconds(usage.ru_stime)};
}

// A run state on the corpus folder whose console output goes nowhere.
void with_run(const fs::path& root, long long input_count, long long group_count,
              const std::function<void(RunState&)>& phase) {
  std::FILE* sink = std::fopen("/dev/null", "w");
  Console console(-1, sink, sink);
  Shell shell(root, console);
  RunState run(console, shell);
  run.input_count = input_count;
  run.group_count = group_count;
  phase(run);
}

std::uintmax_t size_of(const fs::path& root, const std::vector<std::string>& names) {
  std::uintmax_t total = 0;
  for (const std::string& name : names)
    total += fs::file_size(root / name);
  return total;
}

void report(const char* pass, const Measure& ours, const Measure& tool, std::uintmax_t bytes) {
  double mb = static_cast<double>(bytes) / 1e6;
  std::printf(
      "  %-20s %6.2f s (user %5.2f, sys %5.2f) %6.1f MB/s  peak %5.1f MiB | wc -l %5.2f s"
      "  ratio %5.1f\n",
      pass, ours.seconds, ours.user_seconds, ours.system_seconds, mb / ours.seconds, ours.peak_mib,
      tool.seconds, ours.seconds / tool.seconds);
}

Measure wc_lines(const fs::path& root, const std::vector<std::string>& names) {
  std::string command = "cd " + root.string() + " && cat";
  for (const std::string& name : names)
    command += " " + name;
  command += " | wc -l > /dev/null";
  return in_child([&] { std::exit(std::system(command.c_str()) == 0 ? 0 : 1); });
}

double run_size(long long occurrences) {
  fs::path root =
      fs::temp_directory_path() / ("docbase_pages_bench_" + std::to_string(occurrences));
  fs::remove_all(root);
  fs::create_directories(root);
  in_child([&] {
    std::vector<Occurrence> all = write_pages(root, occurrences);
    write_word_lists(root, all);
  });
  int pages = page_count(occurrences);
  long long input_count = pages - 1;
  std::printf("== %lld occurrences on %d pages, wrd_03.txt %.1f MB\n", occurrences, pages,
              static_cast<double>(fs::file_size(root / "wrd_03.txt")) / 1e6);
  double total = 0;
  double cpu = 0;
  auto pass = [&](const char* name, const std::vector<std::string>& inputs, long long groups,
                  const std::function<void(RunState&)>& phase) {
    Measure ours = in_child([&] { with_run(root, input_count, groups, phase); });
    report(name, ours, wc_lines(root, inputs), size_of(root, inputs));
    total += ours.seconds;
    cpu += ours.user_seconds + ours.system_seconds;
  };
  pass("page groups, sort", {"wrd_07.txt"}, 0, [](RunState& run) { form_page_groups(run); });
  long long groups = 0;
  while (fs::exists(root / ("group_search_" + std::to_string(groups + 1) + ".txt")))
    ++groups;
  pass("group files, sorts", {"wrd_08.txt"}, groups,
       [](RunState& run) { write_group_word_files(run); });
  std::vector<std::string> by_page, annotated;
  for (long long g = 1; g <= groups; ++g) {
    std::string n = std::to_string(g);
    by_page.push_back("wrd_12_" + n + ".txt");
    annotated.push_back("wrd_24_" + n + ".txt");
  }
  by_page.push_back("wrd_03.txt");
  pass("id files, next pages", by_page, groups, [](RunState& run) { find_next_word_pages(run); });
  for (int page = 1; page <= pages; ++page)
    annotated.push_back(page_name(page));
  pass("annotated pages", annotated, groups, [](RunState& run) {
    for (long long g = 1; g <= run.group_count; ++g)
      annotate_group(run, g);
  });
  std::printf("  %-20s %6.2f s (user and sys %5.2f s)\n", "all four", total, cpu);
  fs::remove_all(root);
  return total;
}

}  // namespace
}  // namespace docbase

int main(int argc, char** argv) {
  std::vector<long long> sizes;
  for (int i = 1; i < argc; ++i)
    sizes.push_back(std::atoll(argv[i]));
  if (sizes.empty()) sizes = {250000, 1000000, 2000000};
  std::vector<double> totals;
  for (long long size : sizes)
    totals.push_back(docbase::run_size(size));
  for (std::size_t i = 1; i < sizes.size(); ++i) {
    std::printf("time ratio %lld / %lld occurrences: %.2f (size ratio %.1f)\n", sizes[i],
                sizes[i - 1], totals[i] / totals[i - 1],
                static_cast<double>(sizes[i]) / static_cast<double>(sizes[i - 1]));
  }
}
