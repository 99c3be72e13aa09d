// The bundled sample texts, run as the README tells users to: no link of
// the document base may dangle (the program leaves none dangling on purpose).
#include <gtest/gtest.h>

#include <filesystem>

#include "support/document_base_check.h"
#include "support/program_run.h"
#include "support/temp_folder.h"

namespace docbase {
namespace {

namespace fs = std::filesystem;

TEST(Samples, AWholeSessionGivesADocumentBaseWhoseLinksAllHold) {
  const fs::path samples = fs::path(DOCBASE_FIXTURES) / ".." / ".." / "samples";
  TempFolder work("docbase_samples");
  install_program(work.path());
  fs::create_directories(work.path() / "txt_in");
  std::size_t texts = 0;
  for (const auto& entry : fs::directory_iterator(samples)) {
    if (entry.path().extension() != ".txt") continue;
    fs::copy_file(entry.path(), work.path() / "txt_in" / entry.path().filename());
    ++texts;
  }
  ASSERT_GT(texts, 0u);
  ProgramResult result = run_program(work.path(), "1111\n\n");
  EXPECT_EQ(result.status, 0) << result.err;
  for (const std::string& problem : document_base_problems(work.path(), texts))
    ADD_FAILURE() << problem;
}

}  // namespace
}  // namespace docbase
