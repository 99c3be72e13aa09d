#include <gtest/gtest.h>

#include "shell_fixture.h"

namespace docbase {
namespace {

const char* const kDenied = "Access is denied.\n";
const char* const kNoneCopied = "        0 file(s) copied.\n";

// The working folder sits inside a parent that holds a file of its own and
// a folder outside that txt_in and a writable-looking link lead to.
class ContainmentTest : public ::testing::Test {
 protected:
  ContainmentTest() {
    std::filesystem::create_directory(work_);
    std::filesystem::create_directory(outside_);
    parent_.write("secret.txt", "secret");
    parent_.write("outside/victim.txt", "victim");
    parent_.write("work/a.txt", "a");
    std::filesystem::create_directory(work_ / "txt_wrk");
    std::filesystem::create_directory_symlink(outside_, work_ / "txt_in");
    std::filesystem::create_directory_symlink(outside_, work_ / "link");
    std::filesystem::create_symlink(outside_ / "victim.txt", work_ / "txt_wrk" / "victim.txt");
  }

  ConsoleText run(std::string_view line) {
    shell_.run(line);
    console_.flush();
    return {out_.take(), err_.take()};
  }

  void expect_outside_untouched() {
    EXPECT_EQ(parent_.read("secret.txt"), "secret");
    EXPECT_EQ(parent_.read("outside/victim.txt"), "victim");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(outside_),
                            std::filesystem::directory_iterator()),
              1);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(parent_.path()),
                            std::filesystem::directory_iterator()),
              3);
  }

  TempFolder parent_{"Containment"};
  std::filesystem::path work_ = parent_.path() / "work";
  std::filesystem::path outside_ = parent_.path() / "outside";
  CapturedStream out_;
  CapturedStream err_;
  Console console_{-1, out_.get(), err_.get()};
  Shell shell_{work_, console_};
};

TEST_F(ContainmentTest, RefusesToWriteOrDeleteOutside) {
  struct Case {
    std::string line;
    std::string out;
    std::string err;
  };
  const std::string outside_file = (outside_ / "victim.txt").string();
  const std::vector<Case> cases = {
      {"copy a.txt ..\\secret.txt", kNoneCopied, kDenied},
      {"copy a.txt " + parent_.path().string() + "/new.txt", kNoneCopied, kDenied},
      {"copy a.txt " + outside_file, kNoneCopied, kDenied},
      {"copy a.txt C:\\x.txt", kNoneCopied, kDenied},
      {"copy a.txt \\x.txt", kNoneCopied, kDenied},
      {"copy a.txt link\\", kNoneCopied, kDenied},
      {"copy a.txt txt_wrk\\victim.txt", kNoneCopied, kDenied},
      {"copy a.txt", kNoneCopied, "The file cannot be copied onto itself.\n"},
      {"del /q ..\\*.*", "", kDenied},
      {"del /q ..\\secret.txt", "", kDenied},
      {"del /q link\\*.*", "", kDenied},
      {"del /q txt_in\\victim.txt", "", kDenied},
      {"md ..\\new", "", kDenied},
      {"md link\\new", "", kDenied},
      {"rd ..\\outside", "", kDenied},
      {"rename ..\\secret.txt x.txt", "", kDenied},
      {"rename \"link\\victim.txt\" x.txt", "", kDenied},
      {"rename a.txt ..", "", "The syntax of the command is incorrect.\n"},
      {"chcp > ..\\new.txt", "", kDenied},
      {"chcp > link\\new.txt", "", kDenied},
      {"chcp > txt_wrk\\victim.txt", "", kDenied},
      {"chcp >> " + outside_file, "", kDenied},
      {"sort a.txt /o ..\\new.txt", "", kDenied},
      {"find \"s\" ..\\secret.txt", "", kDenied},
      {"dir /b ..\\*.*", "", kDenied},
      {"for %i in (..\\*.txt) do del /q %i", "", ""},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(row.line);
    ConsoleText printed = run(row.line);
    EXPECT_EQ(printed.out, row.out);
    EXPECT_EQ(printed.err, row.err);
    expect_outside_untouched();
  }
}

TEST_F(ContainmentTest, ReadsThroughALink) {
  EXPECT_EQ(run("dir /b txt_in\\*.txt").out, "victim.txt\n");
  EXPECT_EQ(run("copy txt_in\\*.txt txt_wrk\\").err, kDenied);  // onto the link leading out
  run("del /q txt_wrk\\victim.txt");
  EXPECT_EQ(run("copy txt_in\\*.txt txt_wrk\\").err, "");
  EXPECT_EQ(parent_.read("work/txt_wrk/victim.txt"), "victim");
  EXPECT_FALSE(std::filesystem::is_symlink(work_ / "txt_wrk" / "victim.txt"));
  expect_outside_untouched();
}

// On this platform a file name may hold backslashes; such a name in txt_in
// must neither reach outside nor lose its text on the way through the
// copy and the renaming.
TEST(ShellBackslashNames, SurviveCopyAndRename) {
  ShellFixture fixture;
  const std::string odd = "..\\..\\x.txt";
  fixture.lay_out({{"txt_in/" + odd, "odd text"}, {"txt_in/ok.txt", "ok"}, {"txt_wrk/", ""}});
  EXPECT_EQ(fixture.run("copy txt_in\\*.txt txt_wrk\\ > out_null.list").err, "");
  EXPECT_EQ(fixture.folder.read("txt_wrk/" + odd), "odd text");
  EXPECT_EQ(fixture.run("dir /b txt_wrk\\*.txt").out, odd + "\nok.txt\n");
  EXPECT_EQ(fixture.run("rename \"txt_wrk\\" + odd + "\" ______x.txt").err, "");
  EXPECT_EQ(fixture.folder.read("txt_wrk/______x.txt"), "odd text");
  EXPECT_FALSE(fixture.folder.exists("txt_wrk/" + odd));
  // A new name holding backslashes stays one name in the same folder.
  EXPECT_EQ(fixture.run("rename \"txt_wrk\\ok.txt\" ..\\..\\ok.txt").err, "");
  EXPECT_EQ(fixture.folder.read("txt_wrk/..\\..\\ok.txt"), "ok");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(fixture.folder.path()),
                          std::filesystem::directory_iterator()),
            3);  // txt_in, txt_wrk, out_null.list
}

}  // namespace
}  // namespace docbase
