#include "platform/random.h"

namespace docbase {

double RandomSource::next() {
  // splitmix64: small, fast and evenly spread; the top 53 bits make the double.
  state_ += 0x9e3779b97f4a7c15ULL;
  std::uint64_t z = state_;
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
  z ^= z >> 31;
  return static_cast<double>(z >> 11) * (1.0 / 9007199254740992.0);
}

}  // namespace docbase
