#include "support/document_base_check.h"

#include <algorithm>
#include <map>

#include "support/link_check.h"
#include "support/program_run.h"

namespace docbase {
namespace {

namespace fs = std::filesystem;

constexpr const char* kWorkFolders[] = {"htm_in", "htm_ndx", "htm_wrk", "txt_wrk", "wrd_24"};

bool is_digits(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The numbers n of the names prefix + n + suffix, each with its digits as written.
std::map<long long, std::string> numbered(const std::set<std::string>& names,
                                          std::string_view prefix, std::string_view suffix) {
  std::map<long long, std::string> numbers;
  for (const std::string& name : names) {
    if (!name.starts_with(prefix) || !name.ends_with(suffix)) continue;
    std::string digits = name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
    if (is_digits(digits) && digits.size() < 10) numbers[std::stoll(digits)] = digits;
  }
  return numbers;
}

void check_numbered_from_one(const std::map<long long, std::string>& numbers, std::string_view what,
                             std::vector<std::string>& problems) {
  long long expected = 1;
  for (const auto& [number, digits] : numbers) {
    if (number != expected) {
      problems.push_back(std::string(what) + " " + std::to_string(expected) + " is missing");
      return;
    }
    ++expected;
  }
}

}  // namespace

std::vector<std::string> document_base_problems(const fs::path& folder, std::size_t input_count,
                                                const std::set<std::string>& allowed) {
  std::vector<std::string> problems;
  fs::path out = folder / "htm_out";
  std::error_code error;
  if (!fs::is_directory(out, error)) return {"htm_out is missing"};
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(out))
    names.insert(entry.path().filename().string());

  for (const char* name : {"files_list.htm", "index.htm", "i_1.htm", "s_1.htm"}) {
    if (!names.contains(name)) problems.push_back(std::string(name) + " is missing");
  }
  auto pages = numbered(names, "page_", ".htm");
  if (pages.size() != input_count + 1) {
    problems.push_back(std::to_string(pages.size()) + " pages for " + std::to_string(input_count) +
                       " texts");
  }
  check_numbered_from_one(pages, "page", problems);
  std::set<std::size_t> widths;
  for (const auto& [number, digits] : pages)
    widths.insert(digits.size());
  if (widths.size() > 1) problems.push_back("page numbers of different widths");
  auto word_index_pages = numbered(names, "i_", ".htm");
  auto search_pages = numbered(names, "s_", ".htm");
  check_numbered_from_one(word_index_pages, "word index page", problems);
  if (word_index_pages.size() != search_pages.size()) {
    problems.push_back(std::to_string(word_index_pages.size()) + " word index pages but " +
                       std::to_string(search_pages.size()) + " search pages");
  }
  std::size_t known = pages.size() + word_index_pages.size() + search_pages.size() + 2;
  if (names.size() != known) {
    problems.push_back(std::to_string(names.size() - std::min(known, names.size())) +
                       " files of no known kind in htm_out");
  }
  for (const BrokenLink& link : broken_links(out, allowed))
    problems.push_back("broken link " + describe(link));
  for (const char* work : kWorkFolders) {
    if (fs::exists(folder / work, error)) problems.push_back(std::string(work) + " is left");
  }
  return problems;
}

std::string without_date_and_time(std::string_view text) {
  std::string kept;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t end = text.find('\n', at);
    end = end == std::string_view::npos ? text.size() : end + 1;
    std::string_view line = text.substr(at, end - at);
    if (!line.starts_with("Date (mm-dd-yy) = ") && !line.starts_with("Time (h:m:s)    = ")) {
      kept.append(line);
    }
    at = end;
  }
  return kept;
}

std::string published_tree(const fs::path& folder) {
  return without_date_and_time(describe_tree(folder / "htm_out"));
}

}  // namespace docbase
