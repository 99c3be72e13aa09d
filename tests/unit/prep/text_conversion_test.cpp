#include "prep/text_conversion.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace docbase {
namespace {

class TextConversion : public ::testing::Test {
 protected:
  std::string convert(std::string_view text) {
    folder.write("in.txt", text);
    LineReader reader(folder.path() / "in.txt");
    {
      LineWriter writer(folder.path() / "out.htm");
      convert_text(reader, writer);
    }
    return folder.read("out.htm");
  }
  TempFolder folder;
};

TEST_F(TextConversion, CopiesLinesByteForByteButForTrailingBlanks) {
  struct Case {
    const char* name;
    std::string text;
    std::string page_lines;
  };
  const std::vector<Case> cases = {
      {"empty text", "", ""},
      {"CR LF breaks", "a\r\nb\r\n", "a\r\nb\r\n"},
      {"LF breaks", "a\nb\n", "a\r\nb\r\n"},
      {"CR breaks", "a\rb\r", "a\r\nb\r\n"},
      {"mixed breaks, empty lines kept", "a\r\rb\n\r\nc", "a\r\n\r\nb\r\n\r\nc\r\n"},
      {"no final break", "last", "last\r\n"},
      {"trailing blanks removed", "a < b & c   \r\n", "a < b & c\r\n"},
      {"blank-only line becomes empty", "    \nx\n", "\r\nx\r\n"},
      {"leading blanks and tabs kept", "  \tx \t \n", "  \tx \t\r\n"},
      {"byte-order mark kept", "\xef\xbb\xbfHead\n", "\xef\xbb\xbfHead\r\n"},
      {"markup unescaped", "<b>&amp;</b> > <\n", "<b>&amp;</b> > <\r\n"},
      {"other bytes kept", std::string("a\0b\x01\xff\n", 6), std::string("a\0b\x01\xff\r\n", 7)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(convert(c.text), c.page_lines);
  }
}

TEST_F(TextConversion, CopiesALineLongerThanAnyBuffer) {
  std::string line(3 << 20, 'w');
  EXPECT_EQ(convert(line + "  \rx"), line + "\r\nx\r\n");
}

TEST_F(TextConversion, WritesTheTextIntoAPreformattedBlock) {
  folder.write("in.txt", "one\n");
  LineReader reader(folder.path() / "in.txt");
  {
    LineWriter writer(folder.path() / "out.htm");
    write_text_page(reader, writer, "htm_wrk\\a b.htm");
  }
  EXPECT_EQ(folder.read("out.htm"),
            "<HTML>\r\n<head>\r\n"
            "<meta http-equiv=\"content-type\"  content=\"text/HTML; charset=utf-8\">\r\n"
            "<title>\r\nhtm_wrk\\a b.htm\r\n</title>\r\n</head>\r\n<body>\r\n<pre>\r\n"
            "one\r\n"
            "</pre>\r\n</body>\r\n</html>\r\n");
}

}  // namespace
}  // namespace docbase
