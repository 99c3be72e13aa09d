// Replays saved inputs through a fuzz target without the fuzzing engine, so
// that every case the fuzzer found stays a regression test of the normal build.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
  int replayed = 0;
  for (int i = 1; i < argc; ++i) {
    std::filesystem::path place = argv[i];
    if (!std::filesystem::exists(place)) continue;
    auto replay = [&](const std::filesystem::path& file) {
      std::ifstream in(file, std::ios::binary);
      std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
      LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
      ++replayed;
    };
    if (std::filesystem::is_directory(place)) {
      for (const auto& entry : std::filesystem::directory_iterator(place)) replay(entry.path());
    } else {
      replay(place);
    }
  }
  std::printf("replayed %d inputs\n", replayed);
  return 0;
}
