// Writes a deterministic synthetic word list in the shape of wrd_01_01.txt:
// one record per occurrence (key word, page, line, word, position, word), in
// page order, the words drawn from a Zipf distribution as in natural text.
//
//   make_records LINES OUTPUT [SEED]

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kVocabulary = 200000;
constexpr int kWordsPerLine = 9;
constexpr int kLinesPerPage = 45;

// splitmix64: small, fast and the same on every machine.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}
  std::uint64_t next() {
    std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
  }
  double uniform() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }
  std::size_t below(std::size_t n) { return static_cast<std::size_t>(next() % n); }

 private:
  std::uint64_t state_;
};

std::vector<std::string> make_vocabulary(Random& random) {
  std::vector<std::string> words;
  words.reserve(kVocabulary);
  for (std::size_t i = 0; i < kVocabulary; ++i) {
    std::size_t length = 3 + random.below(4) + random.below(6);
    std::string word;
    for (std::size_t k = 0; k < length; ++k)
      word.push_back(static_cast<char>('a' + random.below(26)));
    words.push_back(word);
  }
  return words;
}

// Cumulative weights 1/rank: drawing is a binary search.
std::vector<double> zipf_table() {
  std::vector<double> cumulative(kVocabulary);
  double sum = 0;
  for (std::size_t rank = 0; rank < kVocabulary; ++rank)
    cumulative[rank] = sum += 1.0 / static_cast<double>(rank + 1);
  for (double& weight : cumulative)
    weight /= sum;
  return cumulative;
}

// Some occurrences begin with a capital or are all capitals, as in text.
std::string spelling(const std::string& key, Random& random) {
  std::string word = key;
  std::size_t roll = random.below(20);
  if (roll < 3) word[0] = static_cast<char>(word[0] - 32);
  if (roll == 3) {
    for (char& c : word)
      c = static_cast<char>(c - 32);
  }
  return word;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: make_records LINES OUTPUT [SEED]\n");
    return 2;
  }
  long long lines = std::atoll(argv[1]);
  Random random(argc > 3 ? std::strtoull(argv[3], nullptr, 10) : 1);
  std::vector<std::string> vocabulary = make_vocabulary(random);
  std::vector<double> cumulative = zipf_table();
  std::FILE* out = std::fopen(argv[2], "wb");
  if (out == nullptr) {
    std::perror(argv[2]);
    return 1;
  }
  for (long long i = 0; i < lines; ++i) {
    long long line = i / kWordsPerLine;
    long long page = line / kLinesPerPage + 1;
    long long position = 5 + (i % kWordsPerLine) * 8;
    auto drawn = std::lower_bound(cumulative.begin(), cumulative.end(), random.uniform());
    const std::string& key = vocabulary[std::min<std::size_t>(
        static_cast<std::size_t>(drawn - cumulative.begin()), kVocabulary - 1)];
    std::string word = spelling(key, random);
    std::fprintf(out, "\"%s\",\"page_%05lld.htm\",\"%10lld\",\"%s\",\"%6lld\",\"%s\"\r\n",
                 key.c_str(), page, line % kLinesPerPage + 1, word.c_str(), position, word.c_str());
  }
  return std::fclose(out) == 0 ? 0 : 1;
}
