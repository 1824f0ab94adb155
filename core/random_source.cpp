#include "core/random_source.h"

#include <array>
#include <cstring>
#include <utility>

namespace pixmora {

namespace {

// The 128-bit state as two words: s0 | s1 << 32 and s2 | s3 << 32.
struct Bits {
  uint64_t lo = 0, hi = 0;
  Bits& operator^=(const Bits& o) {
    lo ^= o.lo, hi ^= o.hi;
    return *this;
  }
  bool Test(int i) const { return ((i < 64 ? lo >> i : hi >> (i - 64)) & 1) != 0; }
};

uint32_t Rotl(uint32_t x, int k) { return (x << k) | (x >> (32 - k)); }

// One step of the state, the same statements as RandomSource::NextBits.
Bits Step(Bits b) {
  uint32_t s0 = static_cast<uint32_t>(b.lo), s1 = static_cast<uint32_t>(b.lo >> 32);
  uint32_t s2 = static_cast<uint32_t>(b.hi), s3 = static_cast<uint32_t>(b.hi >> 32);
  const uint32_t t = s1 << 9;
  s2 ^= s0, s3 ^= s1, s1 ^= s2, s0 ^= s3;
  s2 ^= t;
  s3 = Rotl(s3, 11);
  return {s0 | uint64_t{s1} << 32, s2 | uint64_t{s3} << 32};
}

// A linear map of the state: column i is the image of bit i.
using Matrix = std::array<Bits, 128>;

Bits Apply(const Matrix& m, const Bits& v) {
  Bits r;
  for (int i = 0; i < 128; ++i)
    if (v.Test(i)) r ^= m[i];
  return r;
}

// a after b.
Matrix Compose(const Matrix& a, const Matrix& b) {
  Matrix r;
  for (int i = 0; i < 128; ++i) r[i] = Apply(a, b[i]);
  return r;
}

// The map of n steps, by repeated squaring of the one-step map.
Matrix Power(uint64_t n) {
  Matrix result, power;
  for (int i = 0; i < 128; ++i) {
    Bits e;
    (i < 64 ? e.lo : e.hi) = uint64_t{1} << (i % 64);
    result[i] = e;
    power[i] = Step(e);
  }
  for (; n != 0; n >>= 1) {
    if (n & 1) result = Compose(power, result);
    if (n > 1) power = Compose(power, power);
  }
  return result;
}

// The commands skip by the same few lengths over and over: the last few maps
// made on this thread are kept.
const Matrix& CachedPower(uint64_t n) {
  constexpr int kKept = 4;
  thread_local uint64_t steps[kKept] = {};
  thread_local Matrix maps[kKept] = {Power(0), Power(0), Power(0), Power(0)};
  thread_local int oldest = 0;
  for (int i = 0; i < kKept; ++i)
    if (steps[i] == n) return maps[i];
  const int slot = oldest;
  oldest = (oldest + 1) % kKept;
  maps[slot] = Power(n), steps[slot] = n;
  return maps[slot];
}

Bits StateBits(const uint32_t s[4]) {
  return {s[0] | uint64_t{s[1]} << 32, s[2] | uint64_t{s[3]} << 32};
}

void SetStateBits(uint32_t s[4], const Bits& b) {
  s[0] = static_cast<uint32_t>(b.lo), s[1] = static_cast<uint32_t>(b.lo >> 32);
  s[2] = static_cast<uint32_t>(b.hi), s[3] = static_cast<uint32_t>(b.hi >> 32);
}

// As many lanes as the widest vector unit the build may use holds.
#ifdef __AVX512F__
constexpr int kLanes = 16;
#else
constexpr int kLanes = 8;
#endif
using Lanes = uint32_t __attribute__((vector_size(4 * kLanes)));
using SignedLanes = int32_t __attribute__((vector_size(4 * kLanes)));
using LaneValues = float __attribute__((vector_size(4 * kLanes)));
// Below this many values the lanes' set-up costs more than it saves.
constexpr size_t kLaneMinimum = 1 << 16;

// The rows i and i + b of a square of lanes exchange their off-diagonal
// blocks of width b: row i takes row i + b's first halves of each 2b
// positions, row i + b takes row i's second halves.
template <int b, size_t... p>
void SwapBlocks(LaneValues& row, LaneValues& below, std::index_sequence<p...>) {
  constexpr int n = kLanes;
#ifdef __clang__  // the fuzz build: clang names the same shuffle differently
  const LaneValues newRow = __builtin_shufflevector(row, below, ((p & b) ? n + p - b : p)...);
  below = __builtin_shufflevector(row, below, ((p & b) ? n + p : p + b)...);
#else
  const SignedLanes upper = {static_cast<int32_t>((p & b) ? n + p - b : p)...};
  const SignedLanes lower = {static_cast<int32_t>((p & b) ? n + p : p + b)...};
  const LaneValues newRow = __builtin_shuffle(row, below, upper);
  below = __builtin_shuffle(row, below, lower);
#endif
  row = newRow;
}

template <int b>
void SwapAllBlocks(LaneValues v[kLanes]) {
  for (int i = 0; i < kLanes; ++i)
    if ((i & b) == 0) SwapBlocks<b>(v[i], v[i + b], std::make_index_sequence<kLanes>());
}

// v[t][j], lane j's value of step t, becomes v[j][t]: each lane's values of
// kLanes steps are then stored at once.
void Transpose(LaneValues v[kLanes]) {
  SwapAllBlocks<1>(v), SwapAllBlocks<2>(v), SwapAllBlocks<4>(v);
  if constexpr (kLanes == 16) SwapAllBlocks<8>(v);
}

}  // namespace

void RandomSource::Skip(uint64_t n) {
  SetStateBits(s_, Apply(CachedPower(n), StateBits(s_)));
  drawn_ += n;
}

void RandomSource::Fill(float* out, size_t count) {
  size_t done = 0;
  if (count >= kLaneMinimum) {
    // Lane j makes the values j x length .. (j + 1) x length - 1. The lanes
    // store an odd number of cache lines apart, so that they fall on
    // different cache sets instead of evicting one another.
    const size_t length = count / kLanes - (count / kLanes + 16) % 32;
    Lanes s[4];
    const Matrix& skip = CachedPower(length);
    Bits lane = StateBits(s_);
    for (int j = 0; j < kLanes; ++j) {
      uint32_t words[4];
      SetStateBits(words, lane);
      for (int k = 0; k < 4; ++k) s[k][j] = words[k];
      lane = Apply(skip, lane);
    }
    // The statements of Next on every lane's state at once. (The value goes
    // out through a reference: a vector returned by value would depend on
    // the vector units the build may use.)
    auto next = [&s](LaneValues& value) {
      Lanes x = s[1] * 5;
      x = ((x << 7) | (x >> 25)) * 9;
      const Lanes t = s[1] << 9;
      s[2] ^= s[0], s[3] ^= s[1], s[1] ^= s[2], s[0] ^= s[3];
      s[2] ^= t;
      s[3] = (s[3] << 11) | (s[3] >> 21);
      // Below 2^24 the values convert as signed ones, in one instruction.
      value = __builtin_convertvector(reinterpret_cast<SignedLanes>(x >> 8), LaneValues) * 0x1p-24f;
    };
    size_t i = 0;
    for (; i + kLanes <= length; i += kLanes) {
      LaneValues values[kLanes];
      for (LaneValues& v : values) next(v);
      Transpose(values);
      for (int j = 0; j < kLanes; ++j) std::memcpy(out + j * length + i, &values[j], sizeof values[j]);
    }
    for (; i < length; ++i) {
      LaneValues value;
      next(value);
      for (int j = 0; j < kLanes; ++j) out[j * length + i] = value[j];
    }
    for (int k = 0; k < 4; ++k) s_[k] = s[k][kLanes - 1];  // where the last lane ended
    done = length * kLanes;
    drawn_ += done;
  }
  for (; done < count; ++done) out[done] = Next();
}

}  // namespace pixmora
