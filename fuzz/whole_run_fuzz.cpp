// Any bytes as a small corpus (texts separated by the byte 0xff) run through
// the whole program in a fresh working folder: the run must complete and
// publish its all-words index, and the texts must stay as they were.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/exit_status.h"
#include "app/run_sequence.h"
#include "app/run_state.h"
#include "app/start_up.h"
#include "platform/console.h"
#include "platform/shell.h"

namespace {

std::vector<std::string> split_texts(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> texts(1);
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == 0xff && texts.size() < 4) {
      texts.emplace_back();
      continue;
    }
    texts.back().push_back(static_cast<char>(data[i]));
  }
  return texts;
}

std::string read_bytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  char folder_name[] = "/tmp/docbase_fuzz_run_XXXXXX";
  if (::mkdtemp(folder_name) == nullptr) return 0;
  std::filesystem::path folder = folder_name;
  std::filesystem::create_directory(folder / "txt_in");
  std::vector<std::string> texts = split_texts(data, size);
  for (std::size_t i = 0; i < texts.size(); ++i) {
    std::ofstream(folder / "txt_in" / ("text_" + std::to_string(i) + ".txt"), std::ios::binary)
        << texts[i];
  }
  std::ofstream(folder / "www.example.org.exe") << "program";
  std::FILE* keys = std::tmpfile();
  std::fputs("1111\n\n", keys);
  std::rewind(keys);
  std::FILE* sink = std::fopen("/dev/null", "w");
  int status = docbase::kExitCompleted;
  {
    docbase::Console console(fileno(keys), sink, sink);
    docbase::Shell shell(folder, console);
    docbase::RunState run(console, shell);
    run.module_name = "www.example.org.app";
    run.program_name = docbase::program_name_of(run.module_name);
    run.program_path = "./www.example.org.exe";
    try {
      docbase::run_sequence(run);
    } catch (const docbase::RunEnd& end) {
      status = end.status;
    }
  }
  std::fclose(sink);
  std::fclose(keys);
  if (status != docbase::kExitCompleted) __builtin_trap();
  if (!std::filesystem::exists(folder / "htm_out" / "index.htm")) __builtin_trap();
  for (std::size_t i = 0; i < texts.size(); ++i) {
    if (read_bytes(folder / "txt_in" / ("text_" + std::to_string(i) + ".txt")) != texts[i]) {
      __builtin_trap();
    }
  }
  std::filesystem::remove_all(folder);
  return 0;
}
