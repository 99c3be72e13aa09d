#include "platform/wildcards.h"

#include <gtest/gtest.h>

namespace docbase {
namespace {

TEST(Wildcards, MatchNamesAsTheOriginalPlatformDoes) {
  struct Case {
    const char* pattern;
    const char* name;
    bool matches;
  };
  const Case cases[] = {
      {"*.txt", "notes.txt", true},
      {"*.txt", "NOTES.TXT", true},
      {"*.txt", "notes.txt.bak", false},
      {"*.txt", "a.b.txt", true},
      {"*.htm*", "page.htm", true},
      {"*.htm*", "page.html", true},
      {"*.htm*", "page.ht", false},
      {"page_*.htm", "page_01.htm", true},
      {"page_*.htm", "Page_01.HTM", true},
      {"page_*.htm", "page_01_01.htm", true},
      {"page_*.htm", "xpage_01.htm", false},
      {"page_?.htm", "page_1.htm", true},
      {"page_?.htm", "page_12.htm", false},
      {"page_?.htm", "page_.htm", false},
      {"*.", "htm_in", true},
      {"*.", "noext", true},
      {"*.", "a.txt", false},
      {"*.*", "a.txt", true},
      {"*.*", "noext", true},
      {"*.*", ".hidden", true},
      {"*", "a.b.c", true},
      {"check_*.txt", "check_01.txt", true},
      {"check_*.txt", "check.txt", false},
      {"wrd_24*.txt", "wrd_24_1.txt", true},
      {"wrd_24*.txt", "wrd_2.txt", false},
      {"a*b*c", "aXbYbZc", true},
      {"a*b*c", "aXbYbZ", false},
      {"file_s_*.txt", "file_s_12.txt", true},
      {"*.list", "out_null.list", true},
      {"*.list", "out_null.lis", false},
      {"Notes.", "notes.", true},
      {"notes", "NOTES", true},
      {"notes", "notes.txt", false},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(std::string(row.pattern) + " / " + row.name);
    EXPECT_EQ(matches_wildcard(row.pattern, row.name), row.matches);
  }
}

TEST(Wildcards, TellPatternsFromNames) {
  EXPECT_TRUE(has_wildcards("*.txt"));
  EXPECT_TRUE(has_wildcards("page_?.htm"));
  EXPECT_FALSE(has_wildcards("txt_wrk\\a.txt"));
}

}  // namespace
}  // namespace docbase
