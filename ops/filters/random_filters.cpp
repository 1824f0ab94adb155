// The planes hold LoadPlanes' values (-1..255) when a routine starts, so the
// 32-bit sums cannot overflow and no channel becomes negative.
#include "ops/filters/random_filters.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <optional>
#include <vector>

#include "core/column_pass.h"

namespace pixmora {

namespace {

// The draws of a routine that takes them `each` at a time, a known number of
// times, from a copy of the source: made ahead a few takes at once (on the
// source's vector lanes) into a block small enough to stay in the cache and
// allocated once, but never beyond the takes, so the copy ends exactly where
// the routine's own draws would leave the source.
class DrawAhead {
 public:
  DrawAhead(const RandomSource& random, size_t each, uint64_t takes)
      : random_(random),
        each_(each),
        left_(takes),
        perBlock_((kBlockDraws + each) / std::max<size_t>(each, 1)),
        block_(std::make_unique_for_overwrite<float[]>(perBlock_ * each)) {}

  // The next `each` draws, valid until the next call.
  const float* Take() {
    if (next_ == end_) Refill();
    return block_.get() + each_ * next_++;
  }

 private:
  // Long enough for the source's lanes to pay (a block holds at least this
  // many draws), short enough to stay in the processor's second-level cache.
  static constexpr size_t kBlockDraws = size_t{1} << 17;

  void Refill() {
    const auto takes = static_cast<size_t>(std::min<uint64_t>(left_, perBlock_));
    random_.Fill(block_.get(), takes * each_);
    left_ -= takes;
    next_ = 0, end_ = takes;
  }

  RandomSource random_;
  size_t each_;
  uint64_t left_;
  size_t perBlock_;
  std::unique_ptr<float[]> block_;
  size_t next_ = 0, end_ = 0;
};

// The offset of each draw: RoundHalfEven(r x k - 2) into 16 bits, in double
// precision from the single-precision factor. A failed conversion leaves d,
// which then carries over to the next draw. For k >= -32766 no conversion
// can fail (r lies in [0, 1)), and each offset stands alone.
void Offsets(const float* draws, float k, int16_t& d, int16_t* offsets, size_t count) {
  if (k >= -32766) {
    for (size_t i = 0; i < count; ++i)
      offsets[i] = static_cast<int16_t>(std::nearbyint(static_cast<double>(draws[i]) * k - 2.0));
    if (count > 0) d = offsets[count - 1];
    return;
  }
  for (size_t i = 0; i < count; ++i) {
    ToInt16(static_cast<double>(draws[i]) * k - 2.0, d);
    offsets[i] = d;
  }
}

inline void AddOffset(int32_t& R, int32_t& G, int32_t& B, int32_t d) {
  R = std::abs(R + d);
  G = std::abs(G + d);
  B = std::abs(B + d);
}

// Adds one offset per row to the cells of one column of the three planes.
void AddOffsets(ChannelPlanes& p, int x, int rows, const int16_t* offsets) {
  const size_t base = p.Index(x, 0);
  int32_t *R = p.PlaneR() + base, *G = p.PlaneG() + base, *B = p.PlaneB() + base;
  for (int y = 0; y < rows; ++y) AddOffset(R[y], G[y], B[y], offsets[y]);
}

// c = RoundHalfEven((r x c + c) / 2). The result lies between c / 2 and c,
// so the conversion never fails.
inline void Darken(float r, int32_t& c) {
  c = static_cast<int32_t>(std::nearbyint((static_cast<double>(r) * c + c) / 2));
}

// The same for a channel value c (0..255), in 32-bit integers, twice as many
// to a vector as doubles. A draw is r = k / 2^24 with k below 2^24, so
// (r x c + c) / 2 is exactly (c x k + c x 2^24) / 2^25, and c x k stays
// below 2^32; the quotient is rounded half to even from its remainder.
inline void DarkenByte(float r, int32_t& c) {
  const auto k = static_cast<uint32_t>(static_cast<int32_t>(r * 0x1p24f));
  const uint32_t product = static_cast<uint32_t>(c) * k;
  const uint32_t whole = (product >> 24) + static_cast<uint32_t>(c);  // the sum over 2^24
  const uint32_t rest = ((whole & 1) << 24) | (product & 0xFFFFFFu);  // the remainder of 2^25
  const uint32_t quotient = whole >> 1;
  constexpr uint32_t kHalf = 1u << 24;
  const bool up = rest > kHalf || (rest == kHalf && (quotient & 1) != 0);
  c = static_cast<int32_t>(quotient + (up ? 1 : 0));
}

template <void (*Darkening)(float, int32_t&)>
void DarkenColumn(const float* draws, int32_t* __restrict R, int32_t* __restrict G,
                  int32_t* __restrict B, int rows) {
  for (int y = 0; y < rows; ++y) {
    Darkening(draws[3 * y], R[y]);
    Darkening(draws[3 * y + 1], G[y]);
    Darkening(draws[3 * y + 2], B[y]);
  }
}

// treat(draws, R, G, B, rows) on every column the planes cover, each taking
// the next perColumn draws of the sequence, then the column is written.
// Every such column makes the same number of draws, so a run of columns
// starting at column x starts at draw perColumn x x: each thread skips there,
// and the pixels are those of one thread. The source is left after the
// draws of the covered columns.
// When treat leaves channel values (0..255) of cells that held them
// (keepsBytes), planes still waiting for a picture of the target's size stay
// waiting: each column's cells are split from the picture into a column of
// scratch cells, and the planes then wait for the result, whose channels are
// the cells the statements leave.
template <class Treat>
void RunDrawingColumns(Module1& m, const CallContext& call, PictureSurface& target,
                       uint64_t perColumn, bool keepsBytes, Treat treat) {
  ChannelPlanes& p = m.planes;
  const int inW = std::min(std::max(target.Width(), 0), p.Width());
  const int h = target.Height();
  Picture source = keepsBytes ? SetAsideLoadOfSize(p, target) : nullptr;
  std::optional<PlanesWaitForResult> waiting;
  if (source) {
    waiting.emplace(p, std::move(source), target, call.threads);
    target.DetachForOverwrite();  // every pixel is written
  }
  const PixelBuffer* picture = waiting ? &waiting->Source() : nullptr;
  const RandomSource start = m.random;
  ForEachColumnRun(m, call, target, ColumnOrder::Independent, [&](int first, int end) {
    const int firstIn = std::min(first, inW), endIn = std::min(end, inW);
    RandomSource random = start;
    random.Skip(perColumn * static_cast<uint64_t>(firstIn));
    return [&p, &treat, picture, scratch = std::vector<int32_t>(picture ? 3 * static_cast<size_t>(h) : 0),
            ahead = DrawAhead(random, perColumn, static_cast<uint64_t>(endIn - firstIn))](
               int x, ColorRef* out, int rows) mutable {
      if (rows == 0) return;
      const float* draws = ahead.Take();
      int32_t *R, *G, *B;
      if (picture) {
        R = scratch.data(), G = R + rows, B = G + rows;
        SplitColumn(picture->Column(x), R, G, B, rows);
      } else {
        const size_t base = p.Index(x, 0);
        R = p.PlaneR() + base, G = p.PlaneG() + base, B = p.PlaneB() + base;
      }
      treat(draws, R, G, B, rows);
      ComposeColumn(R, G, B, out, rows);
    };
  });
  if (waiting) waiting->Done();
  m.random = start;
  m.random.Skip(perColumn * static_cast<uint64_t>(inW));
}

}  // namespace

// The draws of a column are made first (nothing else draws in between), so
// that the statements run as plain loops. A pixel beyond the planes still
// draws, because the draw is a statement of its own; nothing uses those
// draws, so the source just skips the ones of the columns beyond the planes,
// all at the end. A column draws for every row of the target, the rows
// beyond the planes included.
void Diffuse(Module1& m, const CallContext& call, PictureSurface& target, int16_t strength) {
  int16_t k16 = 0;  // an overflowing product is abandoned and leaves 0: every offset is -2
  Mul16(strength, 50, k16);
  // k is a multiple of 50 within 16 bits, so r x k - 2 always converts: each
  // offset stands alone, and the columns are shared out among the threads.
  const double k = k16;
  const int h = std::max(target.Height(), 0), w = std::max(target.Width(), 0);
  RunDrawingColumns(m, call, target, static_cast<uint64_t>(h), false,
                    [k](const float* draws, int32_t* R, int32_t* G, int32_t* B, int rows) {
                      for (int y = 0; y < rows; ++y) {
                        const double offset = std::nearbyint(static_cast<double>(draws[y]) * k - 2.0);
                        AddOffset(R[y], G[y], B[y], static_cast<int32_t>(offset));
                      }
                    });
  m.random.Skip(static_cast<uint64_t>(w - std::min(w, m.planes.Width())) * h);
}

void Haze(Module1& m, const CallContext& call, PictureSurface& target, int16_t strength) {
  Mul16(strength, 10, strength);  // an overflow leaves the strength, which is then the factor
  // One draw per row, top to bottom, rows beyond the planes included. Nothing
  // else draws in between and the pixels do not depend on one another, so the
  // offsets are drawn first and the pixels treated column by column, the
  // order in which planes and pictures are stored. The progress bar follows
  // that pass.
  const auto h = static_cast<size_t>(std::max(target.Height(), 0));
  std::vector<float> draws(h);
  m.random.Fill(draws.data(), h);
  std::vector<int16_t> offsets(h);
  int16_t d = 0;
  Offsets(draws.data(), static_cast<float>(strength), d, offsets.data(), h);
  ChannelPlanes& p = m.planes;
  RunColumnPass(
      m, call, target, [&p, &offsets](int x, int rows) { AddOffsets(p, x, rows, offsets.data()); },
      ColumnOrder::Independent);
}

// Three draws per pixel, red, green, blue, made for a whole column first.
// Beyond the planes each statement fails on its plane before its draw, so
// nothing is drawn there. A darkened channel value stays one.
void Disorder(Module1& m, const CallContext& call, PictureSurface& target) {
  const int inH = std::min(std::max(target.Height(), 0), m.planes.Height());
  RunDrawingColumns(m, call, target, 3 * static_cast<uint64_t>(inH), true,
                    [](const float* draws, int32_t* R, int32_t* G, int32_t* B, int rows) {
                      if (HoldsColourBytes(R, G, B, rows))
                        DarkenColumn<DarkenByte>(draws, R, G, B, rows);
                      else
                        DarkenColumn<Darken>(draws, R, G, B, rows);
                    });
}

}  // namespace pixmora
