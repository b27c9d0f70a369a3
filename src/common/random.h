#pragma once
// The game's one random source: seeded once, never re-seeded from the clock (that repeats values).
#include <cstdint>
#include <random>

namespace sl {

class Random {
 public:
  Random() : engine_(std::random_device{}()) {}
  explicit Random(uint32_t seed) : engine_(seed) {}

  // A value in [0, 1).
  double Next() { return std::uniform_real_distribution<double>(0.0, 1.0)(engine_); }
  // A whole number in [0, n); 0 when n <= 0.
  int32_t Below(int32_t n) {
    return n <= 0 ? 0 : std::uniform_int_distribution<int32_t>(0, n - 1)(engine_);
  }
  std::mt19937& Engine() { return engine_; }

 private:
  std::mt19937 engine_;
};

}  // namespace sl
