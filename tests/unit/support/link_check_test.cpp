#include "support/link_check.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace docbase {
namespace {

TEST(LinkCheck, ReportsEveryLinkWithoutItsFileOrId) {
  struct Case {
    const char* name;
    const char* page;  // the text of a.htm; b.htm holds id="there" and id = "spaced"
    std::vector<std::string> broken;
  };
  const Case cases[] = {
      {"file and id exist", R"(<a href="b.htm#there">x</a> <a href="b.htm">y</a>)", {}},
      {"blanks around the equals sign",
       R"(<a href = "b.htm#spaced">x</a><a href ="nowhere.htm">)",
       {"nowhere.htm"}},
      {"no such file", R"(<a href="c.htm">x</a><a href="c.htm#there">)", {"c.htm", "c.htm#there"}},
      {"no such id", R"(<a href="b.htm#gone">x</a>)", {"b.htm#gone"}},
      {"a fragment of the page itself",
       R"(<b id="here"></b><a href="#here"><a href="#nope">)",
       {"#nope"}},
      {"an id must be an attribute of its own", R"(<a href="b.htm#pidonly">)", {"b.htm#pidonly"}},
      {"letter case of the attribute", R"(<A HREF="gone.htm">)", {"gone.htm"}},
      {"web addresses are not checked", R"(<a href="http://www.google.com/search?q=a b">)", {}},
      {"an allowed target", R"(<a href="allowed.htm#x">)", {}},
      {"a bare fragment and a name without quotes", R"(<a href="#">x</a> href=gone.htm)", {}},
      {"a folder is no file", R"(<a href="sub">)", {"sub"}},
      {"one report per target and page", R"(<a href="c.htm"><a href="c.htm">)", {"c.htm"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder("docbase_links");
    folder.write("a.htm", c.page);
    folder.write("b.htm", R"(<span id="there">x</span><i pid="pidonly" id = "spaced">)");
    folder.write("sub/c.htm", "");
    std::vector<std::string> targets;
    for (const BrokenLink& link : broken_links(folder.path(), {"allowed.htm#x"})) {
      EXPECT_EQ(link.page, "a.htm");
      targets.push_back(link.target);
    }
    EXPECT_EQ(targets, c.broken);
  }
}

}  // namespace
}  // namespace docbase
