// Whole runs of the real program on texts and names chosen to break it: each
// must end normally with a complete document base whose links all hold, and
// leave txt_in as it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "support/document_base_check.h"
#include "support/program_run.h"
#include "support/temp_folder.h"

namespace docbase {
namespace {

namespace fs = std::filesystem;

// Three screens, the confirmation, an empty destination address.
constexpr std::string_view kSessionKeys = "1111\n\n";

using Texts = std::vector<std::pair<std::string, std::string>>;

std::string random_bytes(std::size_t size, unsigned seed) {
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> byte(0, 255);
  std::string bytes(size, '\0');
  for (char& c : bytes)
    c = static_cast<char>(byte(random));
  return bytes;
}

std::string words_of_one_line(std::size_t count, std::size_t vocabulary) {
  std::string line;
  for (std::size_t i = 0; i < count; ++i) {
    if (i > 0) line.push_back(' ');
    line += "w" + std::to_string(i * 7 % vocabulary);
  }
  return line + "\r\n";
}

// Runs a whole session in work and checks everything it must leave there.
void expect_complete_run(const fs::path& work, std::size_t input_count) {
  std::string before = describe_tree(work / "txt_in");
  ProgramResult result = run_program(work, kSessionKeys);
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_NE(result.out.find("Indexing is done."), std::string::npos);
  for (const std::string& problem : document_base_problems(work, input_count))
    ADD_FAILURE() << problem;
  EXPECT_TRUE(describe_tree(work / "txt_in") == before) << "txt_in changed";
}

class HostileInput : public ::testing::Test {
 protected:
  HostileInput() : folder("docbase_hostile") { install_program(folder.path()); }
  void write_texts(const Texts& texts) const {
    for (const auto& [name, bytes] : texts)
      folder.write("txt_in/" + name, bytes);
  }
  TempFolder folder;
};

TEST(HostileTexts, OfAnyBytesGiveACompleteDocumentBase) {
  struct Corpus {
    const char* name;
    Texts texts;
  };
  const Corpus corpora[] = {
      {"binary files",
       {{"noise.txt", random_bytes(64 << 10, 7)},
        {"image.txt",
         "\x89PNG\r\n\x1a\n" + std::string(4, '\0') + "\rIHDR" + random_bytes(4000, 8)},
        {"plain.txt", "plain words here\r\n"}}},
      {"invalid UTF-8",
       {{"broken.txt",
         "lone \x80\x81 continuation bytes\ntruncated \xe2\x82 sequence\n"
         "overlong \xc0\xaf slash\nsurrogate \xed\xa0\x80 half\n\xff\xfe reversed mark\n"
         "mark \xef\xbb\xbf inside\ncaf\xc3\xa9 correct\n\xf4\x90\x80\x80 beyond range\n"}}},
      {"NUL bytes",
       {{"nul.txt", std::string("before\0after words\n\0\0\0\nzero\0 \0zero more\n", 40)}}},
      {"a line of 100,000 words", {{"words.txt", words_of_one_line(100000, 500)}}},
      {"angle brackets only",
       {{"angles.txt", "<<<>>>\n<\n>\n<><><>\n" + std::string(5000, '<') + std::string(5000, '>') +
                           "\n>>>><<<<\n<"},
        {"after.txt", "text after the angles, on the next page\n"}}},
      {"names of the program's own files and ids",
       {{"ids.txt",
         "id00000007 id00000001_1 page_02.htm i_1.htm s_1.htm#id00000003 index.htm\n"
         "page_01.htm page_99.htm id99999999 f_promote.htm files_list.htm\n"
         "#id00000002 i_1.htm#id00000007 page_02.htm#id00000007_1 look_at: href=#3000\n"},
        {"page_02.txt", "page_02.htm page_03.htm id00000001\n"},
        {"i_1.txt", "i_1.htm s_1.htm index.htm\n"}}},
  };
  for (const Corpus& corpus : corpora) {
    SCOPED_TRACE(corpus.name);
    TempFolder work("docbase_hostile");
    install_program(work.path());
    for (const auto& [name, bytes] : corpus.texts)
      work.write("txt_in/" + name, bytes);
    expect_complete_run(work.path(), corpus.texts.size());
  }
}

// Generated here: 50 MB without one line break, blanks every third byte (the
// scan's worst case), and a few words far beyond the position field's width.
TEST_F(HostileInput, FiftyMegabytesWithoutALineBreak) {
  std::string text;
  text.reserve(50u << 20);
  for (int part = 0; part < 50; ++part) {
    for (int i = 0; i < 349525; ++i)
      text += "ab ";
    text += "needle" + std::to_string(part) + " ";
  }
  write_texts({{"huge.txt", text}, {"small.txt", "needle0 in a small text\n"}});
  text.clear();
  text.shrink_to_fit();
  expect_complete_run(folder.path(), 2);
  std::string index = read_file(folder.path() / "htm_out" / "index.htm");
  EXPECT_NE(index.find("needle49"), std::string::npos);
}

// On Linux a name may hold every byte but "/" and NUL; each file must keep a
// page of its own.
TEST_F(HostileInput, NamesOfEveryByteTheSystemAllows) {
  Texts texts;
  for (int byte = 1; byte < 256; ++byte) {
    if (byte == '/') continue;
    texts.push_back({"n" + std::string(1, static_cast<char>(byte)) + ".txt",
                     "text of byte " + std::to_string(byte) + "\n"});
  }
  for (std::string name :
       {".txt", " .txt", "..txt", "...txt", "a.txt.txt", "..\\..\\x.txt", "-rf .txt", "%PATH%.txt",
        "a && b | c.txt", "Dup.txt", "dup.txt", "DUP.TXT", "page_01.txt", "i_1.txt", "s_1.txt",
        "index.txt", "files_list.txt", "f_promote.txt"}) {
    texts.push_back({name, "text of " + name + "\n"});
  }
  texts.push_back({std::string(251, 'L') + ".txt", "text of the longest name\n"});
  write_texts(texts);
  expect_complete_run(folder.path(), texts.size());
}

TEST_F(HostileInput, ThousandsOfTinyFiles) {
  constexpr int kFiles = 5000;
  for (int i = 0; i < kFiles; ++i)
    folder.write("txt_in/t" + std::to_string(i) + ".txt", "tiny text " + std::to_string(i) + "\n");
  expect_complete_run(folder.path(), kFiles);
}

}  // namespace
}  // namespace docbase
