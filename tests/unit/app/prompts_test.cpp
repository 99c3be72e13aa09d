#include "app/prompts.h"

#include <gtest/gtest.h>

#include "app/exit_status.h"
#include "support/shell_run.h"

namespace docbase {
namespace {

using PromptRun = ShellRun;

TEST(ChoicePrompt, AnswersKeysAsTheyCome) {
  struct Case {
    const char* keys;
    int outcome;
  };
  const Case cases[] = {
      {"1", -1},
      {"2", kExitCompleted},
      {"x3 9\n1", -1},
      {"abc2", kExitCompleted},
      {"", kExitInputEnded},
      {"xyz", kExitInputEnded},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    PromptRun prompt(c.keys);
    EXPECT_EQ(outcome([&] { choice_prompt(prompt.run, "<1> yes, continue", "<2> no, end"); }),
              c.outcome);
    EXPECT_EQ(prompt.captured.out(), "<1> yes, continue\n<2> no, end\n");
  }
}

TEST(ChoicePrompt, ContinuesAtOnceInTheDeveloperFolder) {
  PromptRun prompt("", "X_VANTOR_DELOVNI_TXT_VANTOR_Y");
  EXPECT_TRUE(is_developer_folder(prompt.run));
  EXPECT_EQ(outcome([&] { choice_prompt(prompt.run, "<1> continue", "<2> end"); }), -1);
}

TEST(DeveloperFolder, NeedsBothMarkerWords) {
  for (const char* stem : {"vantor_delovni", "txt_vantor_", "plain"}) {
    SCOPED_TRACE(stem);
    PromptRun prompt("", stem);
    EXPECT_FALSE(is_developer_folder(prompt.run));
    EXPECT_TRUE(prompt.folder.exists("key.select.txt"));
  }
}

TEST(ClosingPrompt, EndsOnlyAtKeyOneOrTheEndOfInput) {
  for (const char* keys : {"1", "x2y1", ""}) {
    SCOPED_TRACE(keys);
    PromptRun prompt(keys);
    EXPECT_EQ(outcome([&] { closing_prompt(prompt.run, kExitCannotGoOn); }), kExitCannotGoOn);
    EXPECT_EQ(prompt.captured.out(), "<1> = continue and end\n");
  }
}

TEST(ClosingPrompt, IgnoresOtherKeysInTheDeveloperFolder) {
  PromptRun prompt("23451", "vantor_delovni_txt_vantor_");
  EXPECT_EQ(outcome([&] { closing_prompt(prompt.run, kExitCannotGoOn); }), kExitCannotGoOn);
  EXPECT_FALSE(prompt.folder.exists("key.select.txt"));
}

TEST(AnyKeyPrompt, TakesAnyKeyOrTheEndOfInput) {
  for (const char* keys : {"q", ""}) {
    SCOPED_TRACE(keys);
    PromptRun prompt(keys);
    EXPECT_EQ(outcome([&] { any_key_prompt(prompt.run, "<...> any key to continue"); }), -1);
    PromptRun ending(keys);
    EXPECT_EQ(outcome([&] { any_key_prompt_and_end(ending.run, kExitCannotGoOn); }),
              kExitCannotGoOn);
    EXPECT_EQ(ending.captured.out(), "<...> any key to continue and end\n");
  }
}

}  // namespace
}  // namespace docbase
