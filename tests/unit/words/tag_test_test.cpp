#include "words/tag_test.h"

#include <gtest/gtest.h>

namespace docbase {
namespace {

TEST(TagTest, PassesOnlyForAKeywordThatOpensATag) {
  struct Case {
    const char* line;
    const char* keyword;
    bool passes;
  } cases[] = {
      {"<br><script>", "script", true},
      {"<br><SCRIPT>", "script", false},
      {"<br>< script src=x>", "script", true},
      {"<br><  script", "script", true},
      {"<br>manu script", "script", false},
      {"<br>Manuscript <b>", "script", false},
      {"<br>< x script", "script", false},
      {"script <b>", "script", false},
      {"<br>text", "script", false},
      {"<br></script>", "/script", true},
      {"<br></script>", "script", false},
      {"<br>< /script >", "/script", true},
      {"<br><script>x</script>", "script", true},
      {"<br><script>x</script>", "/script", true},
      {"<br> script <b>", "script", false},
      {"", "script", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.line) + " / " + c.keyword);
    EXPECT_EQ(passes_tag_test(c.line, c.keyword), c.passes);
  }
}

}  // namespace
}  // namespace docbase
