#include "app/start_up.h"

#include <gtest/gtest.h>

namespace docbase {
namespace {

TEST(ProgramName, ReplacesTheLastThreeCharactersByExe) {
  EXPECT_EQ(program_name_of("www.example.org.app"), "www.example.org.exe");
  EXPECT_EQ(program_name_of("ab"), "exe");
}

TEST(TargetSite, FollowsTheFirstMarkerThatOccursInTheHostPart) {
  struct Case {
    const char* program_name;
    const char* site;  // nullptr: no target site
  };
  const Case cases[] = {
      {"x.www.y.exe", "www.y"},
      {"http.y.exe", "http://y"},
      {"https.y.exe", "https://y"},
      {"www.http.y.exe", "www.http.y"},
      {"a.www.b.www.c.exe", "www.c"},
      {"  WWW.Example.ORG.exe  ", "www.example.org"},
      {"http.a.https.b.exe", "http://a.https.b"},
      {"y.z.exe", nullptr},
      {"exe", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.program_name);
    auto site = derive_target_site(c.program_name);
    if (c.site == nullptr) {
      EXPECT_FALSE(site);
    } else {
      ASSERT_TRUE(site);
      EXPECT_EQ(*site, c.site);
    }
  }
}

}  // namespace
}  // namespace docbase
