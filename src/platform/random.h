#pragma once
#include <cstdint>

namespace docbase {

// A uniform pseudo-random source in [0, 1). It starts from the same state in
// every run, so the same input gives the same pages.
class RandomSource {
 public:
  double next();

 private:
  std::uint64_t state_ = 0x853c49e6748fea9bULL;
};

}  // namespace docbase
