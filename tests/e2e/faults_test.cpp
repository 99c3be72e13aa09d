// Whole runs of the real program under faults: a file-size limit, kills
// part-way, few file handles, Ctrl-C on a terminal, read-only folders. A run
// that fails must say so; the run after it must give what an undisturbed
// run gives.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <iterator>
#include <string>

#include "support/document_base_check.h"
#include "support/program_run.h"
#include "support/temp_folder.h"
#include "support/terminal_run.h"

namespace docbase {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr std::string_view kSessionKeys = "1111\n\n";
const fs::path kSamples = fs::path(DOCBASE_FIXTURES) / ".." / ".." / "samples";

// A working folder with the program and the sample texts (a few pages, two
// groups, a dozen kilobytes).
class Work {
 public:
  Work() : folder_("docbase_faults") {
    install_program(path());
    fs::create_directories(path() / "txt_in");
    for (const auto& entry : fs::directory_iterator(kSamples)) {
      if (entry.path().extension() == ".txt")
        fs::copy_file(entry.path(), path() / "txt_in" / entry.path().filename());
    }
  }
  const fs::path& path() const { return folder_.path(); }
  std::size_t text_count() const {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(path() / "txt_in"), fs::directory_iterator()));
  }
  const TempFolder& folder() const { return folder_; }

 private:
  TempFolder folder_;
};

// htm_out of an undisturbed run on the same texts, date and time aside.
std::string undisturbed_output(const std::function<void(const Work&)>& add_texts = {}) {
  Work reference;
  if (add_texts) add_texts(reference);
  ProgramResult result = run_program(reference.path(), kSessionKeys);
  EXPECT_EQ(result.status, 0) << result.err;
  return published_tree(reference.path());
}

// Runs again with nothing in the way and checks the run gives the
// undisturbed output and leaves txt_in as it was.
void expect_recovery(const Work& work, const std::string& txt_in_before,
                     const std::string& undisturbed) {
  ProgramResult result = run_program(work.path(), kSessionKeys);
  EXPECT_EQ(result.status, 0) << result.err;
  for (const std::string& problem : document_base_problems(work.path(), work.text_count()))
    ADD_FAILURE() << problem;
  EXPECT_TRUE(published_tree(work.path()) == undisturbed) << "htm_out differs";
  EXPECT_TRUE(describe_tree(work.path() / "txt_in") == txt_in_before) << "txt_in changed";
}

TEST(Faults, AFailedWriteEndsTheRunNamingTheFileAndTheNextRunRecovers) {
  const std::string undisturbed = undisturbed_output();
  struct Case {
    std::uint64_t limit;
    const char* file;  // the file whose write fails first
  };
  const Case cases[] = {
      {1 << 10, "txt_wrk/harbour_notes.txt"}, {8 << 10, "wrd_01.txt"}, {32 << 10, "wrd_07.txt"},
      {64 << 10, "page_02_02.htm"},           {100 << 10, "i_1.htm"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.limit);
    Work work;
    std::string txt_in = describe_tree(work.path() / "txt_in");
    RunOptions options;
    options.file_size_limit = c.limit;
    ProgramResult failed = run_program(work.path(), kSessionKeys, options);
    EXPECT_EQ(failed.status, 3);
    EXPECT_NE(
        failed.err.find("cannot write " + (work.path() / c.file).string() + ": File too large\n"),
        std::string::npos)
        << failed.err;
    EXPECT_EQ(failed.out.find("Indexing is done."), std::string::npos);
    expect_recovery(work, txt_in, undisturbed);
  }
}

TEST(Faults, AKillAtAnyPointLeavesNothingTheNextRunCannotClear) {
  // Larger than the samples, so that the run is still going when the kill
  // lands a moment after the line it waits for.
  auto add_texts = [](const Work& work) {
    std::string text;
    for (int line = 0; line < 1000; ++line)
      text += "line " + std::to_string(line) + " holds words like kill" +
              std::to_string(line % 97) + " and again\r\n";
    work.folder().write("txt_in/long.txt", text);
  };
  const std::string undisturbed = undisturbed_output(add_texts);
  for (const char* line :
       {"number of files =", "web address for destination search", "processed 1%\n",
        "processed 10%\n", "processed 20%\n", "processed 30%\n", "processed 40%\n",
        "processed 50%\n", "processed 60%\n", "processed 70%\n", "processed 90%\n"}) {
    SCOPED_TRACE(line);
    Work work;
    add_texts(work);
    std::string txt_in = describe_tree(work.path() / "txt_in");
    RunOptions options;
    options.kill_when_out_holds = line;
    ProgramResult killed = run_program(work.path(), kSessionKeys, options);
    ASSERT_EQ(killed.status, 128 + SIGKILL) << "the run ended before the kill";
    EXPECT_TRUE(describe_tree(work.path() / "txt_in") == txt_in) << "txt_in changed";
    expect_recovery(work, txt_in, undisturbed);
  }
}

// 24 handles are fewer than the 50 chunk files a merge of the word list
// takes at once; 60,000 words give 30 chunks of 2000 lines.
TEST(Faults, FewFileHandlesNarrowTheSortsMerges) {
  auto add_texts = [](const Work& work) {
    std::string text;
    for (int word = 0; word < 60000; ++word)
      text += "word" + std::to_string(word % 500) + (word % 12 == 11 ? "\r\n" : " ");
    work.folder().write("txt_in/many_words.txt", text);
  };
  const std::string undisturbed = undisturbed_output(add_texts);
  Work work;
  add_texts(work);
  RunOptions options;
  options.open_file_limit = 24;
  ProgramResult result = run_program(work.path(), kSessionKeys, options);
  EXPECT_EQ(result.status, 0) << result.out.substr(result.out.size() - 400) << result.err;
  for (const std::string& problem : document_base_problems(work.path(), work.text_count()))
    ADD_FAILURE() << problem;
  EXPECT_TRUE(published_tree(work.path()) == undisturbed) << "htm_out differs";
}

TEST(Faults, CtrlCAtAChoicePromptGivesTheTerminalItsModeBack) {
  Work work;
  TerminalRun terminal(work.path());
  ASSERT_TRUE(terminal.read_until("<2> no, end", 10s)) << terminal.output();
  // The poll has the terminal in non-canonical mode without echo ...
  ASSERT_TRUE(terminal.wait_for_mode(
      [](const termios& mode) { return (mode.c_lflag & (ICANON | ECHO)) == 0; }, 10s));
  terminal.type("\x03");
  EXPECT_EQ(terminal.wait(10s), 128 + SIGINT);
  // ... and the interrupt gives the terminal back as it was.
  termios mode = terminal.mode();
  EXPECT_TRUE(mode.c_lflag & ICANON);
  EXPECT_TRUE(mode.c_lflag & ECHO);
}

// Permissions bind the superuser not at all: as root the program runs as
// "nobody", for whom the folders are made readable.
class ReadOnly : public ::testing::Test {
 protected:
  void SetUp() override {
    options.user = unprivileged_user();
    fs::permissions(work.path(), fs::perms::owner_all | fs::perms::group_read |
                                     fs::perms::group_exec | fs::perms::others_read |
                                     fs::perms::others_exec);
  }
  // Write bits back, so that the folder can be removed.
  void TearDown() override {
    for (const auto& entry : fs::recursive_directory_iterator(work.path()))
      fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add);
    fs::permissions(work.path(), fs::perms::owner_all, fs::perm_options::add);
  }
  // Write bits off the folder and what it holds; the program stays runnable.
  static void make_read_only(const fs::path& folder) {
    constexpr fs::perms kWrite =
        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    for (const auto& entry : fs::directory_iterator(folder))
      fs::permissions(entry.path(), kWrite, fs::perm_options::remove);
    fs::permissions(folder, kWrite, fs::perm_options::remove);
  }
  Work work;
  RunOptions options;
};

TEST_F(ReadOnly, AReadOnlyTxtInIsIndexedAsAnyOther) {
  const std::string undisturbed = undisturbed_output();
  // The run writes the working folder as its own user.
  fs::permissions(work.path(), fs::perms::all);
  make_read_only(work.path() / "txt_in");
  std::string txt_in = describe_tree(work.path() / "txt_in");
  ProgramResult result = run_program(work.path(), kSessionKeys, options);
  EXPECT_EQ(result.status, 0) << result.err;
  for (const std::string& problem : document_base_problems(work.path(), work.text_count()))
    ADD_FAILURE() << problem;
  EXPECT_TRUE(published_tree(work.path()) == undisturbed) << "htm_out differs";
  EXPECT_TRUE(describe_tree(work.path() / "txt_in") == txt_in) << "txt_in changed";
}

TEST_F(ReadOnly, AReadOnlyWorkingFolderEndsAtOnceSayingSo) {
  make_read_only(work.path());
  ProgramResult result = run_program(work.path(), kSessionKeys, options);
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "The working folder " + work.path().string() +
                            " cannot be written: Permission denied\n");
  EXPECT_EQ(result.out, "");
}

// Before, the copies into htm_out failed one by one and the run reported
// success over the earlier run's document base.
TEST_F(ReadOnly, AnHtmOutThatCannotBeEmptiedEndsTheRunInsteadOfPassingForNew) {
  fs::permissions(work.path(), fs::perms::all);
  ASSERT_EQ(run_program(work.path(), kSessionKeys, options).status, 0);
  make_read_only(work.path() / "htm_out");
  std::string earlier = describe_tree(work.path() / "htm_out");
  work.folder().write("txt_in/new.txt", "a text the earlier run did not have\n");
  ProgramResult result = run_program(work.path(), kSessionKeys, options);
  EXPECT_EQ(result.status, 1);
  EXPECT_NE(result.out.find("\n" + std::string(42, '-') +
                            "\nsubfolder htm_out still holds files that cannot be deleted\n"),
            std::string::npos)
      << result.out;
  EXPECT_EQ(result.out.find("Indexing is done."), std::string::npos);
  EXPECT_TRUE(describe_tree(work.path() / "htm_out") == earlier) << "htm_out changed";
}

// An empty htm_out is removed and made anew, unless it belongs to another
// user in a folder with the sticky bit.
TEST_F(ReadOnly, AnHtmOutThatCannotBeWrittenEndsTheRun) {
  if (!options.user) GTEST_SKIP() << "needs root, to leave a folder of another user in the way";
  fs::permissions(work.path(), fs::perms::all | fs::perms::sticky_bit);
  fs::create_directory(work.path() / "htm_out");
  make_read_only(work.path() / "htm_out");
  ProgramResult result = run_program(work.path(), kSessionKeys, options);
  EXPECT_EQ(result.status, 1);
  EXPECT_NE(result.out.find("\nsubfolder htm_out cannot be written: Permission denied\n"),
            std::string::npos)
      << result.out;
}

}  // namespace
}  // namespace docbase
