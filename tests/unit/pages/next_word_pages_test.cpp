#include "pages/next_word_pages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "support/program_run.h"
#include "support/shell_run.h"
#include "unit/pages/pages_test_support.h"
#include "unit/pages/reference_passes.h"

namespace docbase {
namespace {

struct Occurrence {
  std::string page;
  int line;
  int position;
  std::string word;
  std::string id;
  int number;
};

std::string wrd_03_line(const Occurrence& o) {
  return records_text({{o.page, line_field(o.line), position_field(o.position), o.word, o.id}});
}

std::string wrd_12_record(const Occurrence& o) {
  return records_text({{o.page, line_field(o.line), position_field(o.position), o.word, o.id,
                        std::to_string(o.number)}});
}

std::string wrd_24_record(const Occurrence& o, const std::string& next) {
  return records_text({{o.page, line_field(o.line), position_field(o.position), o.word, o.id,
                        std::to_string(o.number), next}});
}

class NextWordPages : public ::testing::Test {
 protected:
  // wrd_03.txt in key-word order; wrd_12_[G].txt from the occurrences of each group.
  void write(const std::vector<Occurrence>& numbered,
             const std::vector<std::vector<Occurrence>>& groups) {
    std::string text;
    for (const Occurrence& o : numbered)
      text += wrd_03_line(o);
    shell_run.folder.write("wrd_03.txt", text);
    shell_run.run.group_count = static_cast<long long>(groups.size());
    for (std::size_t g = 0; g < groups.size(); ++g) {
      std::string records;
      for (const Occurrence& o : groups[g])
        records += wrd_12_record(o);
      shell_run.folder.write("wrd_12_" + std::to_string(g + 1) + ".txt", records);
    }
  }
  ShellRun shell_run;
};

TEST_F(NextWordPages, LinkEachPageToTheNextPageHoldingTheWordAcrossGroups) {
  const Occurrence a1{"page_01.htm", 8, 5, "Apple", "id00000000", 1};
  const Occurrence a2{"page_01.htm", 9, 5, "apple", "id00000000", 2};
  const Occurrence a3{"page_03.htm", 8, 5, "Apple", "id00000000", 3};
  const Occurrence a4{"page_04.htm", 8, 5, "APPLE", "id00000000", 4};
  const Occurrence once{"page_02.htm", 8, 5, "once", "id00000004", 1};
  write({a1, a2, a3, a4, once}, {{a1, a2, once, a3}, {a4}});
  find_next_word_pages(shell_run.run);
  EXPECT_EQ(shell_run.folder.read("wrd_24_1.txt"),
            wrd_24_record(a1, "page_03.htm") + wrd_24_record(a2, "page_03.htm") +
                wrd_24_record(once, "") + wrd_24_record(a3, "page_04.htm"));
  EXPECT_EQ(shell_run.folder.read("wrd_24_2.txt"), wrd_24_record(a4, ""));
  EXPECT_EQ(shell_run.folder.read("id00000000.txt"),
            wrd_03_line(a1) + wrd_03_line(a2) + wrd_03_line(a3) + wrd_03_line(a4));
  EXPECT_EQ(shell_run.folder.read("id00000004.txt"), wrd_03_line(once));
  EXPECT_EQ(shell_run.captured.out(), "processed 50%\n");
}

TEST_F(NextWordPages, AWordHoldingAnotherWordsIdJoinsThatIdFile) {
  const Occurrence own1{"page_01.htm", 8, 5, "seven", "id00000003", 1};
  const Occurrence own2{"page_03.htm", 8, 5, "seven", "id00000003", 2};
  const Occurrence stray{"page_05.htm", 8, 5, "xid00000003y", "id00000005", 1};
  write({own1, own2, stray}, {{own1, own2, stray}});
  find_next_word_pages(shell_run.run);
  EXPECT_EQ(shell_run.folder.read("id00000003.txt"),
            wrd_03_line(own1) + wrd_03_line(own2) + wrd_03_line(stray));
  EXPECT_EQ(shell_run.folder.read("id00000005.txt"), wrd_03_line(stray));
  // The stray line ends the run of page_03 with a later page.
  EXPECT_EQ(shell_run.folder.read("wrd_24_1.txt"), wrd_24_record(own1, "page_03.htm") +
                                                       wrd_24_record(own2, "page_05.htm") +
                                                       wrd_24_record(stray, ""));
}

TEST_F(NextWordPages, AnIdWithoutLinesGetsAnEmptyIdFile) {
  const Occurrence lost{"page_02.htm", 8, 5, "lost", "id00000009", 1};
  write({}, {{lost}});
  find_next_word_pages(shell_run.run);
  EXPECT_TRUE(shell_run.folder.exists("id00000009.txt"));
  EXPECT_EQ(shell_run.folder.read("id00000009.txt"), "");
  EXPECT_EQ(shell_run.folder.read("wrd_24_1.txt"), wrd_24_record(lost, ""));
}

TEST_F(NextWordPages, AnIdThatWouldLeaveTheWorkingFolderWritesNothingOutside) {
  TempFolder outside;
  std::string escaping = "../" + outside.path().filename().string() + "/id00000001";
  const Occurrence odd{"page_02.htm", 8, 5, "odd", escaping, 1};
  write({odd}, {{odd}});
  find_next_word_pages(shell_run.run);
  EXPECT_EQ(describe_tree(outside.path()), "");
  EXPECT_EQ(shell_run.folder.read("wrd_24_1.txt"), wrd_24_record(odd, ""));
}

TEST(Wrd24Folder, KeepsACopyOfTheGroupFilesWithNextWordPages) {
  for (bool folder_there : {false, true}) {
    SCOPED_TRACE(folder_there ? "folder there" : "no folder");
    ShellRun shell_run;
    shell_run.folder.write("wrd_24_1.txt", "one\r\n");
    shell_run.folder.write("wrd_24_2.txt", "two\r\n");
    if (folder_there) shell_run.folder.write("wrd_24/wrd_24_9.txt", "stale\r\n");
    copy_to_wrd_24_folder(shell_run.run);
    EXPECT_EQ(shell_run.folder.read("wrd_24/wrd_24_1.txt"), "one\r\n");
    EXPECT_EQ(shell_run.folder.read("wrd_24/wrd_24_2.txt"), "two\r\n");
    EXPECT_FALSE(shell_run.folder.exists("wrd_24/wrd_24_9.txt"));
    EXPECT_EQ(shell_run.folder.read("wrd_24_1.txt"), "one\r\n");
  }
}

// A small corpus: pages 01 to 06 in up to three groups, a few ids (one of nine
// digits), words that hold other ids or page names, records now and then out of
// their usual order, and a line of too few fields.
struct RandomCorpus {
  std::string wrd_03;
  std::vector<std::string> wrd_12;
};

RandomCorpus random_corpus(std::mt19937& random) {
  auto pick = [&](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  const std::vector<std::string> ids = {"id00000000", "id00000004", "id00000011", "id100000000",
                                        "id10000000"};
  auto any_id = [&] { return ids[static_cast<std::size_t>(pick(0, 4))]; };
  auto any_page = [&] { return "page_0" + std::to_string(pick(1, 6)) + ".htm"; };
  std::vector<Occurrence> occurrences;
  for (int i = pick(0, 30); i > 0; --i) {
    std::string word = "w" + std::string(static_cast<std::size_t>(pick(2, 5)), 'a');
    int kind = pick(0, 9);
    if (kind == 0) word += any_id();
    if (kind == 1) word = "x" + any_page() + "y";
    if (kind == 2) word = any_id() + any_page();
    occurrences.push_back({any_page(), pick(1, 12), pick(1, 60), word, any_id(), 0});
  }
  auto key = [](const Occurrence& o) { return std::tie(o.id, o.page, o.line, o.position); };
  std::sort(occurrences.begin(), occurrences.end(),
            [&](const Occurrence& a, const Occurrence& b) { return key(a) < key(b); });
  if (pick(0, 3) == 0) std::shuffle(occurrences.begin(), occurrences.end(), random);
  RandomCorpus corpus;
  for (const Occurrence& o : occurrences) {
    corpus.wrd_03 += wrd_03_line(o);
    if (pick(0, 25) == 0) corpus.wrd_03 += records_text({{o.page, "short", o.id}});
  }
  int groups = pick(1, 3);
  corpus.wrd_12.resize(static_cast<std::size_t>(groups));
  for (int n = 0; n < static_cast<int>(occurrences.size()) + pick(0, 3); ++n) {
    Occurrence o = n < static_cast<int>(occurrences.size())
                       ? occurrences[static_cast<std::size_t>(n)]
                       : Occurrence{any_page(), 1, 1, "wnone", "id00000099", 1};
    int group = std::min(groups, (o.page[6] - '1') / 2 + 1);
    corpus.wrd_12[static_cast<std::size_t>(group - 1)] += wrd_12_record(o);
  }
  return corpus;
}

TEST(NextWordPagesRandom, MatchTheSearchFromTheIdFilesStartForEveryRecord) {
  std::mt19937 random(4242);
  for (int trial = 0; trial < 150; ++trial) {
    SCOPED_TRACE(trial);
    RandomCorpus corpus = random_corpus(random);
    std::size_t buffer_bytes = trial % 2 == 0 ? std::size_t{1} << 20 : 1 + random() % 200;
    ShellRun fast, reference;
    for (ShellRun* r : {&fast, &reference}) {
      r->run.group_count = static_cast<long long>(corpus.wrd_12.size());
      r->folder.write("wrd_03.txt", corpus.wrd_03);
      for (std::size_t g = 0; g < corpus.wrd_12.size(); ++g)
        r->folder.write("wrd_12_" + std::to_string(g + 1) + ".txt", corpus.wrd_12[g]);
    }
    find_next_word_pages(fast.run, buffer_bytes);
    reference_find_next_word_pages(reference.run);
    EXPECT_EQ(describe_tree(fast.folder.path()), describe_tree(reference.folder.path()));
  }
}

}  // namespace
}  // namespace docbase
