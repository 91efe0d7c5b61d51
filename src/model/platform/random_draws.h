// The game's uniform random draws in [0, 1), from a seeded generator.
#pragma once

#include <cstdint>
#include <random>

namespace kr {

class RandomDraws {
 public:
  void seed(std::uint32_t seed) { generator_.seed(seed); }
  // 24 random bits: every value a float can hold exactly, never 1.
  float next() { return static_cast<float>(generator_() >> 8) * (1.0f / 16777216.0f); }

 private:
  std::mt19937 generator_{327680};
};

}  // namespace kr
