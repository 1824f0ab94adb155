// RandomSource: the one program-wide generator of single-precision values in
// [0, 1). It is xoshiro128** (fast, passes BigCrush) started from a fixed state
// and never reseeded, so every run of the program draws the same sequence.
// Each value takes the top 24 bits of a draw, the full precision of a float.
#pragma once
#include <cstddef>
#include <cstdint>

namespace pixmora {

class RandomSource {
 public:
  RandomSource() { Restart(); }

  float Next() {
    ++drawn_;
    return ToValue(NextBits());
  }

  // The values of the next count calls of Next, in order, and the source left
  // as those calls leave it. Long runs are drawn on eight lanes at once, each
  // lane starting where the sequence reaches its part (see Skip).
  void Fill(float* out, size_t count);

  // Moves the source on by n draws without making them. The step of the
  // generator is linear over GF(2), so n steps are one 128 x 128 bit matrix,
  // formed by repeated squaring.
  void Skip(uint64_t n);

  // Back to the fixed starting state of a program start.
  void Restart() {
    s_[0] = 0x9E3779B9u, s_[1] = 0x243F6A88u, s_[2] = 0xB7E15162u, s_[3] = 0x6A09E667u;
    drawn_ = 0;
  }

  // How many values have been drawn (or skipped) since the start: the
  // source's position, which recipes record so that a replay draws the
  // same values whatever came before.
  uint64_t Position() const { return drawn_; }
  void MoveTo(uint64_t position) {
    Restart();
    Skip(position);
  }

 private:
  static float ToValue(uint32_t bits) { return static_cast<float>(bits >> 8) * 0x1p-24f; }
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
  uint64_t drawn_ = 0;
};

}  // namespace pixmora
