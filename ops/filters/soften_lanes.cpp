// The lanes run on AVX2 whatever the build targets; SoftenLanesAvailable
// asks the processor first.
#include "ops/filters/soften_lanes.h"

#include <immintrin.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <vector>

#include "core/column_runs.h"
#include "core/row_bands.h"

#define PIXMORA_AVX2 __attribute__((target("avx2")))

namespace pixmora {

namespace {

constexpr int kLanes = 16;
// Steps treated between two hand-overs to the next strip: its rows, 16
// lanes of colours and of the three channels, stay in the first-level cache.
constexpr int kChunk = 64;

struct alignas(64) LaneColours {
  ColorRef c[kLanes];
};
struct alignas(32) LaneCells {
  int16_t v[kLanes];
};

// round(sum / n) of a square's cells (0..255 each) on 16-bit lanes:
// (sum + (n - 1) / 2) * mul >> (16 + shift), exact for every such sum.
template <int r>
struct Mean;
template <>
struct Mean<1> {
  static constexpr int n = 9, mul = 7282, shift = 0;
};
template <>
struct Mean<2> {
  static constexpr int n = 25, mul = 5243, shift = 1;
};

template <int r>
constexpr bool MeanIsExact() {
  using M = Mean<r>;
  for (int sum = 0; sum <= M::n * 255; ++sum) {
    const int x = sum + (M::n - 1) / 2;
    if ((x * M::mul) >> (16 + M::shift) != x / M::n) return false;
  }
  return true;
}
static_assert(MeanIsExact<1>() && MeanIsExact<2>());

int FloorDiv(int a, int b) { return a >= 0 ? a / b : -((b - 1 - a) / b); }

// Where the strips lie. Strip j treats the columns First(j) ..
// First(j) + Treated(j) - 1 in its lanes r ..; lane l holds column
// First(j) - r + l, at row t - s * l at step t.
struct Strips {
  int r, s, width, height;
  int Full() const { return kLanes - 2 * r; }
  int Count() const { return (width - 2 * r + Full() - 1) / Full(); }
  int First(int j) const { return r + j * Full(); }
  int Treated(int j) const { return std::min(Full(), width - r - First(j)); }
  // Until the last treated lane's last row.
  int Steps(int j) const { return height + s * (r + Treated(j) - 1); }
  // Rows before and after the steps: a step reads as far as r + s * r
  // steps back and Ahead() on, and the colours move in blocks of 8 steps.
  static constexpr int kMargin = 8;
  int Ahead() const { return 1 + s * r + r; }
  int Rows() const { return height + s * (kLanes - 1) + 3 * kMargin; }
  // Lane l's column, of the strip before (its last treated columns) for the
  // left lanes but at the picture's left edge; null past the last used lane.
  const ColorRef* Column(int j, int l, const PixelBuffer& source, const PixelBuffer& out) const {
    if (l >= 2 * r + Treated(j)) return nullptr;
    return (l < r && j > 0 ? out : source).Column(First(j) - r + l);
  }
};

// One thread's strip in the making, indexed by step + Strips::kMargin.
struct StripCells {
  std::vector<LaneColours> colours;
  std::vector<LaneCells> channels[3];
  // Per channel, the sums of 2r + 1 rows of each lane around a step u:
  // of treated rows for the steps the left columns of a square come from,
  // of untreated ones for those the right columns come from.
  std::vector<LaneCells> sums[3];
  // Per channel, the same around the step to treat next, as it stands.
  LaneCells centre[3];
  explicit StripCells(int rows)
      : colours(rows), channels{Cells(rows), Cells(rows), Cells(rows)}, sums{Cells(rows), Cells(rows), Cells(rows)} {}
  static std::vector<LaneCells> Cells(int rows) { return std::vector<LaneCells>(rows); }
};

// Eight lanes' colours at eight steps become those steps' colours in the
// eight lanes.
PIXMORA_AVX2 inline void Transpose(__m256i (&v)[8]) {
  __m256i t[8], u[8];
  for (int i = 0; i < 8; i += 2) {
    t[i] = _mm256_unpacklo_epi32(v[i], v[i + 1]);
    t[i + 1] = _mm256_unpackhi_epi32(v[i], v[i + 1]);
  }
  for (int i = 0; i < 8; i += 4)
    for (int k = 0; k < 2; ++k) {
      u[i + 2 * k] = _mm256_unpacklo_epi64(t[i + k], t[i + k + 2]);
      u[i + 2 * k + 1] = _mm256_unpackhi_epi64(t[i + k], t[i + k + 2]);
    }
  for (int i = 0; i < 4; ++i) {
    v[i] = _mm256_permute2x128_si256(u[i], u[i + 4], 0x20);
    v[i + 4] = _mm256_permute2x128_si256(u[i], u[i + 4], 0x31);
  }
}

// A lane's colours at the steps t .. t + 7: its column's rows t - shift ..,
// 0 where the column has no such row (or the lane none).
// Asks for the column a kilobyte ahead: sixteen columns at once are more
// streams than the processor's own prefetching follows.
PIXMORA_AVX2 inline __m256i LaneRows(const ColorRef* column, int shift, int height, int t) {
  const int y = t - shift;
  if (column && y >= 0 && y + 8 <= height) {
    __builtin_prefetch(column + std::min(y + 256, height - 1));
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(column + y));
  }
  alignas(32) ColorRef some[8] = {};
  if (column)
    for (int i = std::max(0, -y); i < std::min(8, height - y); ++i) some[i] = column[y + i];
  return _mm256_load_si256(reinterpret_cast<const __m256i*>(some));
}

// The same back into the column, for the steps a .. b - 1 among them.
PIXMORA_AVX2 inline void PutLaneRows(__m256i v, ColorRef* column, int shift, int height, int t, int a, int b) {
  const int y = t - shift;
  if (t >= a && t + 8 <= b && y >= 0 && y + 8 <= height)
    return _mm256_storeu_si256(reinterpret_cast<__m256i*>(column + y), v);
  alignas(32) ColorRef some[8];
  _mm256_store_si256(reinterpret_cast<__m256i*>(some), v);
  for (int i = std::max({0, -y, a - t}); i < std::min({8, height - y, b - t}); ++i) column[y + i] = some[i];
}

// The colours of steps a .. b - 1 (b - a a multiple of 8) into the lanes.
PIXMORA_AVX2 void Gather(const Strips& g, int j, const PixelBuffer& source, const PixelBuffer& out,
                         StripCells& cells, int a, int b) {
  LaneColours* rows = cells.colours.data() + Strips::kMargin;
  const ColorRef* columns[kLanes];
  for (int l = 0; l < kLanes; ++l) columns[l] = g.Column(j, l, source, out);
  for (int half = 0; half < kLanes; half += 8)
    for (int t = a; t < b; t += 8) {
      __m256i v[8];
      for (int i = 0; i < 8; ++i) v[i] = LaneRows(columns[half + i], g.s * (half + i), g.height, t);
      Transpose(v);
      for (int i = 0; i < 8; ++i) _mm256_store_si256(reinterpret_cast<__m256i*>(rows[t + i].c + half), v[i]);
    }
}

// The treated lanes' colours of steps a .. b - 1 into their columns.
PIXMORA_AVX2 void Scatter(const Strips& g, int j, PixelBuffer& out, const StripCells& cells, int a, int b) {
  const LaneColours* rows = cells.colours.data() + Strips::kMargin;
  for (int half = 0; half < kLanes; half += 8)
    for (int t = a; t < b; t += 8) {
      __m256i v[8];
      for (int i = 0; i < 8; ++i) v[i] = _mm256_load_si256(reinterpret_cast<const __m256i*>(rows[t + i].c + half));
      Transpose(v);
      for (int i = 0; i < 8; ++i) {
        const int l = half + i;
        if (l >= g.r && l < g.r + g.Treated(j))
          PutLaneRows(v[i], out.Column(g.First(j) - g.r + l), g.s * l, g.height, t, a, b);
      }
    }
}

// One channel's bytes of 16 colours (8 in low, 8 in high, shifted down to
// it) as 16-bit cells.
PIXMORA_AVX2 inline __m256i ChannelCells(__m256i low, __m256i high, int shift) {
  const __m256i byte = _mm256_set1_epi32(0xFF);
  low = _mm256_and_si256(_mm256_srli_epi32(low, shift), byte);
  high = _mm256_and_si256(_mm256_srli_epi32(high, shift), byte);
  // packus interleaves the two halves by 128 bits; the permute puts them back
  return _mm256_permute4x64_epi64(_mm256_packus_epi32(low, high), 0xD8);
}

PIXMORA_AVX2 void Split(StripCells& cells, int a, int b) {
  for (int t = a + Strips::kMargin; t < b + Strips::kMargin; ++t) {
    const auto* colours = reinterpret_cast<const __m256i*>(cells.colours[t].c);
    const __m256i low = _mm256_load_si256(colours), high = _mm256_load_si256(colours + 1);
    for (int c = 0; c < 3; ++c)
      _mm256_store_si256(reinterpret_cast<__m256i*>(cells.channels[c][t].v), ChannelCells(low, high, 8 * c));
  }
}

PIXMORA_AVX2 void Compose(StripCells& cells, int a, int b) {
  for (int t = a + Strips::kMargin; t < b + Strips::kMargin; ++t) {
    __m256i half[3][2];
    for (int c = 0; c < 3; ++c) {
      const __m256i v = _mm256_load_si256(reinterpret_cast<const __m256i*>(cells.channels[c][t].v));
      half[c][0] = _mm256_slli_epi32(_mm256_cvtepu16_epi32(_mm256_castsi256_si128(v)), 8 * c);
      half[c][1] = _mm256_slli_epi32(_mm256_cvtepu16_epi32(_mm256_extracti128_si256(v, 1)), 8 * c);
    }
    auto* colours = reinterpret_cast<__m256i*>(cells.colours[t].c);
    for (int i = 0; i < 2; ++i)
      _mm256_store_si256(colours + i, _mm256_or_si256(_mm256_or_si256(half[0][i], half[1][i]), half[2][i]));
  }
}

// Lane k of the result holds lane k + dx of v (0 past either end).
template <int dx>
PIXMORA_AVX2 inline __m256i FromLane(__m256i v) {
  if constexpr (dx == 0) return v;
  else if constexpr (dx < 0) return _mm256_alignr_epi8(v, _mm256_permute2x128_si256(v, v, 0x08), 16 + 2 * dx);
  else return _mm256_alignr_epi8(_mm256_permute2x128_si256(v, v, 0x81), v, 2 * dx);
}

template <int r>
PIXMORA_AVX2 inline __m256i RowsAround(const __m256i* cells, int u) {
  __m256i sum = cells[u - r];
  for (int dy = 1 - r; dy <= r; ++dy) sum = _mm256_add_epi16(sum, cells[u + dy]);
  return sum;
}

// square plus, for dx = 1 .. r, the row sums s * dx steps before (from dx
// lanes to the left) and after (from dx lanes to the right).
template <int r, int... i>
PIXMORA_AVX2 inline __m256i AddSideSums(__m256i square, const __m256i* sums, int t, std::integer_sequence<int, i...>) {
  constexpr int s = r + 1;
  ((square = _mm256_add_epi16(square, _mm256_add_epi16(FromLane<-(i + 1)>(sums[t - s * (i + 1)]),
                                                       FromLane<i + 1>(sums[t + s * (i + 1)])))),
   ...);
  return square;
}

inline __m256i* Vectors(std::vector<LaneCells>& cells) {
  return reinterpret_cast<__m256i*>(cells.data() + Strips::kMargin);
}

// The running sums as they stand before step 0.
template <int r>
PIXMORA_AVX2 void StartSums(StripCells& cells) {
  constexpr int s = r + 1;
  for (int c = 0; c < 3; ++c) {
    const __m256i* cell = Vectors(cells.channels[c]);
    __m256i* sums = Vectors(cells.sums[c]);
    for (int u = -s * r; u <= -s; ++u) sums[u] = RowsAround<r>(cell, u);
    for (int u = s; u <= s * r; ++u) sums[u] = RowsAround<r>(cell, u);
    _mm256_store_si256(reinterpret_cast<__m256i*>(cells.centre[c].v), RowsAround<r>(cell, 0));
  }
}

// The lanes first .. last set, the others clear.
PIXMORA_AVX2 inline __m256i Lanes(int first, int last) {
  const __m256i lane = _mm256_setr_epi16(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15);
  return _mm256_and_si256(_mm256_cmpgt_epi16(lane, _mm256_set1_epi16(first - 1)),
                          _mm256_cmpgt_epi16(_mm256_set1_epi16(last + 1), lane));
}

// Steps a .. b - 1 of strip j, in place: the lanes whose row is treated at
// a step take their square's mean, the others keep their cells. A square is
// its centre column's rows around the step plus, dx lanes to either side,
// the row sums s * dx steps before (treated) and after (untreated); each
// step moves the centre on and adds one sum on either side.
template <int r>
PIXMORA_AVX2 void Treat(const Strips& g, int j, StripCells& cells, int a, int b) {
  constexpr int s = r + 1;
  const __m256i half = _mm256_set1_epi16((Mean<r>::n - 1) / 2), mul = _mm256_set1_epi16(Mean<r>::mul);
  const int lastLane = r + g.Treated(j) - 1;
  // Lane l treats a pixel at step t when its row t - s * l lies in r ..
  // height - r - 1: every treated lane does between these steps.
  const int allFrom = r + s * lastLane, allTo = g.height - r + s * r;
  const __m256i all = Lanes(r, lastLane);
  // the centres, and the sums last made on either side, kept in registers
  __m256i *cells3[3], *sums3[3], centre[3], newest[3], furthest[3];
  for (int c = 0; c < 3; ++c) {
    cells3[c] = Vectors(cells.channels[c]), sums3[c] = Vectors(cells.sums[c]);
    centre[c] = _mm256_load_si256(reinterpret_cast<const __m256i*>(cells.centre[c].v));
    newest[c] = sums3[c][a - r - 1], furthest[c] = sums3[c][a + s * r];
  }
  for (int t = a; t < b; ++t) {
    const __m256i treated =
        t >= allFrom && t < allTo
            ? all
            : Lanes(std::max(r, -FloorDiv(g.height - r - 1 - t, s)), std::min(lastLane, FloorDiv(t - r, s)));
    for (int c = 0; c < 3; ++c) {
      __m256i* cell = cells3[c];
      __m256i* sums = sums3[c];
      const __m256i square =
          AddSideSums<r>(_mm256_add_epi16(half, centre[c]), sums, t, std::make_integer_sequence<int, r>());
      const __m256i mean = _mm256_srli_epi16(_mm256_mulhi_epu16(square, mul), Mean<r>::shift);
      const __m256i was = cell[t], now = _mm256_blendv_epi8(was, mean, treated);
      cell[t] = now;
      centre[c] = _mm256_add_epi16(_mm256_sub_epi16(centre[c], cell[t - r]),
                                   _mm256_add_epi16(cell[t + 1 + r], _mm256_sub_epi16(now, was)));
      constexpr int ahead = 1 + s * r;
      sums[t - r] = newest[c] = _mm256_add_epi16(_mm256_sub_epi16(newest[c], cell[t - 2 * r - 1]), now);
      sums[t + ahead] = furthest[c] =
          _mm256_add_epi16(_mm256_sub_epi16(furthest[c], cell[t + ahead - 1 - r]), cell[t + ahead + r]);
    }
  }
  for (int c = 0; c < 3; ++c) _mm256_store_si256(reinterpret_cast<__m256i*>(cells.centre[c].v), centre[c]);
}

template <int r>
void RunStrip(const Strips& g, int j, const PixelBuffer& source, PixelBuffer& out, StripCells& cells,
              const CallContext& call, const std::atomic<int>* before, std::atomic<int>& done) {
  const int steps = g.Steps(j);
  int gathered = -Strips::kMargin;
  for (int a = 0; a < steps; a += kChunk) {
    call.StopIfCancelled();
    const int b = std::min(a + kChunk, steps), wanted = (b + g.Ahead() - gathered + 7) / 8 * 8 + gathered;
    // The left lanes' rows up to step wanted - 1 are the strip before's
    // last columns, which it treats s * Full() steps later.
    if (before) WaitUntilReached(call, *before, std::min(wanted + g.s * g.Full(), g.Steps(j - 1)));
    Gather(g, j, source, out, cells, gathered, wanted);
    Split(cells, gathered, wanted);
    gathered = wanted;
    if (a == 0) StartSums<r>(cells);
    Treat<r>(g, j, cells, a, b);
    Compose(cells, a, b);
    Scatter(g, j, out, cells, a, b);
    done.store(b, std::memory_order_release);
  }
}

// Columns within r of the left and right edges are never treated.
void KeepEdgeColumns(int r, const PixelBuffer& source, PixelBuffer& out) {
  const int w = source.Width(), h = source.Height();
  for (int i = 0; i < 2 * r; ++i) {
    const int x = i < r ? i : w - 2 * r + i;
    const ColorRef* in = source.Column(x);
    ColorRef* column = out.Column(x);
    for (int y = 0; y < h; ++y) column[y] = in[y] & 0xFFFFFF;
  }
}

template <int r>
void Soften(const PixelBuffer& source, PixelBuffer& out, const CallContext& call,
            const std::function<void(int)>& columnsDone) {
  const Strips g{r, r + 1, source.Width(), source.Height()};
  const int count = g.Count();
  const auto done = std::make_unique<std::atomic<int>[]>(count);
  const int wanted = std::clamp(call.threads, 1, count);
  std::vector<StripCells> cells;
  for (int b = 0; b < wanted; ++b) cells.emplace_back(g.Rows());  // before any strip waits
  KeepEdgeColumns(r, source, out);
  RunSideBySide(wanted, [&](int b, int bands) {
    for (int j = b; j < count; j += bands) {
      RunStrip<r>(g, j, source, out, cells[b], call, j > 0 ? &done[j - 1] : nullptr, done[j]);
      if (b == 0) columnsDone(g.First(j) + g.Treated(j));
    }
  });
}

}  // namespace

bool SoftenLanesAvailable() { return __builtin_cpu_supports("avx2"); }

void SoftenInLanes(int r, const PixelBuffer& source, PixelBuffer& out, const CallContext& call,
                   const std::function<void(int)>& columnsDone) {
  (r == 1 ? Soften<1> : Soften<2>)(source, out, call, columnsDone);
}

}  // namespace pixmora
