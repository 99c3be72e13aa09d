#include <gtest/gtest.h>

#include "support/program_run.h"
#include "support/temp_folder.h"

namespace docbase {
namespace {

TEST(Spine, RunsFromStartToEndAnsweredThroughStandardInput) {
  TempFolder folder;
  install_program(folder.path());
  folder.write("txt_in/notes.txt", "Hello world\r\n");
  ProgramResult result = run_program(folder.path(), "1111\n\n");
  EXPECT_EQ(result.status, 0) << result.out << result.err;
  EXPECT_NE(result.out.find("www.example.org.app\n"), std::string::npos) << result.out;
  EXPECT_NE(result.out.find("\nwww.example.org\n\n"), std::string::npos) << result.out;
  EXPECT_NE(result.out.find("web address for destination search (example: www.example.com) = ? "),
            std::string::npos);
  EXPECT_EQ(folder.read("txt_in/notes.txt"), "Hello world\r\n");
}

}  // namespace
}  // namespace docbase

namespace docbase {
namespace {

TEST(Spine, ChoicePromptsContinueWithoutKeysInTheDeveloperFolder) {
  TempFolder folder("DEV_VANTOR_DELOVNI_AND_TXT_VANTOR_RUN");
  install_program(folder.path());
  folder.write("txt_in/notes.txt", "Hello world\r\n");
  ProgramResult result = run_program(folder.path(), "");
  EXPECT_EQ(result.status, 0) << result.out << result.err;
  EXPECT_EQ(result.err.find("input ended"), std::string::npos) << result.err;
}

TEST(Spine, EndsNonzeroWhenInputEndsAtAChoice) {
  TempFolder folder;
  install_program(folder.path());
  folder.write("txt_in/notes.txt", "Hello world\r\n");
  ProgramResult result = run_program(folder.path(), "");
  EXPECT_EQ(result.status, 4);
  EXPECT_NE(result.err.find("The input ended before a choice was made."), std::string::npos);
}

}  // namespace
}  // namespace docbase
