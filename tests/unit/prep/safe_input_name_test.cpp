#include "prep/safe_input_name.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace docbase {
namespace {

TEST(SafeInputName, KeepsLettersAndDigitsAndTheExtensionPart) {
  struct Case {
    std::string listed;
    std::optional<std::string> safe;
  };
  const std::vector<Case> cases = {
      {"my report-2024.txt", "my_report_2024.txt"},
      {"a.b.txt", "a_b.txt"},
      {"Notes.TXT", "Notes.TXT"},
      {"notes.txt", "notes.txt"},
      {"under_score.txt", "under_score.txt"},
      {"page_3.txt", "file_page_3.txt"},
      {"Page_3.txt", "file_Page_3.txt"},
      {"PAGE-3.Txt", "file_PAGE_3.Txt"},
      {"pages.txt", "pages.txt"},
      {"page.txt", "file_page.txt"},
      {"Page.TXT", "file_Page.TXT"},
      {"page .txt", "file_page.txt"},
      {"apage_1.txt", "apage_1.txt"},
      {"f_promote.txt", "file_f_promote.txt"},
      {"F-Promote.TXT", "file_F_Promote.TXT"},
      {"my_f_promote.txt", "my_f_promote.txt"},
      {"caf\xc3\xa9.txt", "caf__.txt"},
      {"\xe2\x82\xac.txt", "___.txt"},
      {"  padded name  .txt  ", "padded_name.txt"},
      {"a.txt.txt", "a_txt.txt"},
      {"a.txt b.TXT", "a_txt_b.TXT"},
      {"..\\..\\x.txt", "______x.txt"},
      {"q\"uote*?<>|:.txt", "q_uote______.txt"},
      {std::string("ctl\x01\x1f\x7f.txt"), "ctl___.txt"},
      {".txt", ".txt"},
      {"readme.md", std::nullopt},
      {"", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.listed);
    EXPECT_EQ(safe_input_name(c.listed), c.safe);
  }
}

TEST(TextExtension, IsTheLastTxtInAnyCase) {
  EXPECT_EQ(text_extension_at("a.txt"), 1u);
  EXPECT_EQ(text_extension_at("a.TxT.txt"), 5u);
  EXPECT_EQ(text_extension_at("a.txt.bak"), 1u);
  EXPECT_EQ(text_extension_at("txt"), std::string_view::npos);
}

}  // namespace
}  // namespace docbase
