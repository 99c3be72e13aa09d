// The whole program on a small corpus, compared byte for byte with the
// reviewed document base in tests/fixtures/whole_run/expected (how it was made
// and how to renew it: tests/fixtures/whole_run/README.md).
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "support/program_run.h"
#include "support/temp_folder.h"

namespace docbase {
namespace {

namespace fs = std::filesystem;

const fs::path kCorpus = fs::path(DOCBASE_FIXTURES) / "whole_run";

// Three screens, the confirmation, an empty destination address, the final key.
constexpr std::string_view kSessionKeys = "1111\n\n";

// The date and time lines change from run to run. Their values give way to
// fixed tokens, but only when they have the form the pages promise, so that a
// malformed date or time still fails the comparison. In a form, "9" stands
// for any digit.
struct ClockLine {
  std::string_view label;
  std::string_view form;
  std::string_view token;
};
constexpr ClockLine kClockLines[] = {
    {"Date (mm-dd-yy) = ", "99-99-9999<br>\r\n", "MM-DD-YYYY<br>\r\n"},
    {"Time (h:m:s)    = ", "99:99:99<br>\r\n", "HH:MM:SS<br>\r\n"},
};

bool has_form(std::string_view text, std::string_view form) {
  if (text.size() != form.size()) return false;
  for (std::size_t i = 0; i < form.size(); ++i) {
    bool fits = form[i] == '9' ? text[i] >= '0' && text[i] <= '9' : text[i] == form[i];
    if (!fits) return false;
  }
  return true;
}

std::string with_clock_masked(std::string page) {
  for (const ClockLine& clock : kClockLines) {
    for (std::size_t at = page.find(clock.label); at != std::string::npos;
         at = page.find(clock.label, at + 1)) {
      if (at > 0 && page[at - 1] != '\n') continue;
      std::size_t value = at + clock.label.size();
      if (has_form(std::string_view(page).substr(value, clock.form.size()), clock.form)) {
        page.replace(value, clock.form.size(), clock.token);
      }
    }
  }
  return page;
}

TEST(ClockMask, MasksWellFormedDateAndTimeLinesOnly) {
  struct Case {
    const char* name;
    std::string page;
    std::string masked;
  };
  const Case cases[] = {
      {"date and time",
       "<br>\r\nDate (mm-dd-yy) = 12-31-2025<br>\r\nTime (h:m:s)    = 23:59:07<br>\r\n",
       "<br>\r\nDate (mm-dd-yy) = MM-DD-YYYY<br>\r\nTime (h:m:s)    = HH:MM:SS<br>\r\n"},
      {"at the start of the file", "Date (mm-dd-yy) = 01-02-2030<br>\r\n",
       "Date (mm-dd-yy) = MM-DD-YYYY<br>\r\n"},
      {"a two-digit year", "Date (mm-dd-yy) = 12-31-25<br>\r\n",
       "Date (mm-dd-yy) = 12-31-25<br>\r\n"},
      {"a one-digit hour", "Time (h:m:s)    = 9:59:07<br>\r\n",
       "Time (h:m:s)    = 9:59:07<br>\r\n"},
      {"one blank too few", "Time (h:m:s)   = 09:59:07<br>\r\n",
       "Time (h:m:s)   = 09:59:07<br>\r\n"},
      {"no line end", "Time (h:m:s)    = 09:59:07<br>", "Time (h:m:s)    = 09:59:07<br>"},
      {"inside a line", "x Date (mm-dd-yy) = 12-31-2025<br>\r\n",
       "x Date (mm-dd-yy) = 12-31-2025<br>\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(with_clock_masked(c.page), c.masked);
  }
}

std::set<std::string> names_in(const fs::path& folder) {
  std::set<std::string> names;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(folder, error))
    names.insert(entry.path().filename().string());
  return names;
}

std::vector<std::string> lines_of(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t end = text.find('\n', at);
    if (end == std::string_view::npos) end = text.size();
    std::string line(text.substr(at, end - at));
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    at = end + 1;
  }
  return lines;
}

// The first line at which two pages part, so that a failure reads at a glance.
std::string first_difference(std::string_view actual, std::string_view expected) {
  std::vector<std::string> a = lines_of(actual);
  std::vector<std::string> e = lines_of(expected);
  for (std::size_t i = 0; i < std::max(a.size(), e.size()); ++i) {
    std::string got = i < a.size() ? a[i] : "(end of file)";
    std::string want = i < e.size() ? e[i] : "(end of file)";
    if (got != want) {
      return "line " + std::to_string(i + 1) + "\n  actual:   " + got + "\n  expected: " + want;
    }
  }
  return "the same lines, with other line ends";
}

class WholeRun : public ::testing::Test {
 protected:
  WholeRun() : folder("docbase_whole_run") {
    install_program(folder.path());
    fs::copy(kCorpus / "txt_in", folder.path() / "txt_in", fs::copy_options::recursive);
  }

  ProgramResult run() { return run_program(folder.path(), kSessionKeys); }

  void expect_reviewed_document_base() {
    const fs::path expected = kCorpus / "expected";
    const fs::path published = folder.path() / "htm_out";
    EXPECT_EQ(names_in(published), names_in(expected));
    for (const std::string& name : names_in(expected)) {
      SCOPED_TRACE(name);
      std::string want = read_file(expected / name);
      ASSERT_FALSE(want.empty());
      std::string got = with_clock_masked(read_file(published / name));
      EXPECT_TRUE(got == want) << first_difference(got, want);
    }
  }

  // Only the last listing, the program, the input and the output are left.
  void expect_cleaned_working_folder() {
    std::set<std::string> left = {"dir_01.txt", DOCBASE_PROGRAM_NAME, "htm_out", "txt_in"};
    EXPECT_EQ(names_in(folder.path()), left);
    std::vector<std::string> listing = lines_of(folder.read("dir_01.txt"));
    ASSERT_EQ(listing.size(), 2u) << folder.read("dir_01.txt");
    EXPECT_TRUE(listing[0].ends_with("wrd_24_1.txt")) << listing[0];
    EXPECT_TRUE(listing[1].ends_with("wrd_24_2.txt")) << listing[1];
    EXPECT_EQ(describe_tree(folder.path() / "txt_in"), describe_tree(kCorpus / "txt_in"));
  }

  TempFolder folder;
};

TEST_F(WholeRun, WritesTheReviewedDocumentBase) {
  ProgramResult result = run();
  ASSERT_EQ(result.status, 0) << result.out << result.err;
  expect_reviewed_document_base();
  expect_cleaned_working_folder();
}

TEST_F(WholeRun, ReportsEveryPhaseInOrderAndEndsWithTheResults) {
  ProgramResult result = run();
  ASSERT_EQ(result.status, 0) << result.err;
  std::vector<std::string> progress;
  for (const std::string& line : lines_of(result.out)) {
    if (line.starts_with("processed")) progress.push_back(line);
  }
  const std::vector<std::string> phases = {"processed 1%",  "processed 10%", "processed 20%",
                                           "processed 30%", "processed 40%", "processed 50%",
                                           "processed 60%", "processed 70%", "processed 80%",
                                           "processed 90%", "processed 100%"};
  EXPECT_EQ(progress, phases);
  EXPECT_NE(result.out.find("\n\nprocessed 1%\n"), std::string::npos);
  EXPECT_TRUE(result.out.ends_with(
      "\n============ INDEXING RESULTS ===========\n\nIndexing is done.\n\n"
      "view subfolder: \\htm_out\nview files: page*.htm, index*.htm, i_*.htm, s_*.htm\n"
      "You can access the index of all words by double-clicking on any word.\n"
      "details: www.example.net\n\n<...> any key to continue and end\n"))
      << result.out;
}

// A second run clears what the first left and writes the same document base.
TEST_F(WholeRun, ASecondRunInTheSameFolderGivesTheSameDocumentBase) {
  ASSERT_EQ(run().status, 0);
  ProgramResult again = run();
  ASSERT_EQ(again.status, 0) << again.out << again.err;
  expect_reviewed_document_base();
  expect_cleaned_working_folder();
}

}  // namespace
}  // namespace docbase
