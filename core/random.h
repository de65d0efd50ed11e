#pragma once
// The game's single source of chance: uniform values in [0, 1).

#include <cmath>
#include <cstdint>
#include <random>

namespace blefino {

class Random {
 public:
  virtual ~Random() = default;
  virtual double next() = 0;
  // The rules reseed from the clock before certain rolls. We keep one
  // generator running instead, so a reseed never makes two rolls repeat.
  virtual void reseed() {}
};

// Seeded once, from the operating system's entropy unless a seed is given.
class MtRandom final : public Random {
 public:
  MtRandom();
  explicit MtRandom(std::uint64_t seed) : engine_(seed) {}
  double next() override {
    // 53 random bits: always strictly below 1.
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
  }

 private:
  std::mt19937_64 engine_;
};

// To the nearest whole number; exactly half-way goes to the even neighbour.
inline int round_half_even(double x) {
  double f = std::floor(x);
  double d = x - f;
  if (d > 0.5) return static_cast<int>(f) + 1;
  if (d < 0.5) return static_cast<int>(f);
  int fi = static_cast<int>(f);
  return (fi % 2 == 0) ? fi : fi + 1;
}

}  // namespace blefino
