// RandomSource: the one program-wide generator of single-precision values in
// [0, 1). It is xoshiro128** (fast, passes BigCrush) started from a fixed state
// and never reseeded, so every run of the program draws the same sequence.
// Each value takes the top 24 bits of a draw, the full precision of a float.
#pragma once
#include <cstdint>

namespace pixmora {

class RandomSource {
 public:
  RandomSource() { Restart(); }

  float Next() { return static_cast<float>(NextBits() >> 8) * 0x1p-24f; }

  // Back to the fixed starting state of a program start.
  void Restart() {
    s_[0] = 0x9E3779B9u, s_[1] = 0x243F6A88u, s_[2] = 0xB7E15162u, s_[3] = 0x6A09E667u;
  }

 private:
  static uint32_t Rotl(uint32_t x, int k) { return (x << k) | (x >> (32 - k)); }
  uint32_t NextBits() {
    const uint32_t result = Rotl(s_[1] * 5, 7) * 9;
    const uint32_t t = s_[1] << 9;
    s_[2] ^= s_[0], s_[3] ^= s_[1], s_[1] ^= s_[2], s_[0] ^= s_[3];
    s_[2] ^= t;
    s_[3] = Rotl(s_[3], 11);
    return result;
  }
  uint32_t s_[4];
};

}  // namespace pixmora
