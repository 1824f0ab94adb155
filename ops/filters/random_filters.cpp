// The planes hold LoadPlanes' values (-1..255) when a routine starts, so the
// 32-bit sums cannot overflow and no channel becomes negative.
#include "ops/filters/random_filters.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "core/column_pass.h"

namespace pixmora {

namespace {

// The draws of a routine that makes a known number of them from a copy of
// the source, made ahead in large blocks (on the source's vector lanes) but
// never beyond that number, so the copy ends exactly where the routine's own
// draws would leave the source.
class DrawAhead {
 public:
  DrawAhead(const RandomSource& random, uint64_t total) : random_(random), left_(total) {}
  const RandomSource& Source() const { return random_; }

  // The next n draws (n at most kBlock), valid until the next call.
  const float* Take(size_t n) {
    if (end_ - next_ < n) Refill();
    const float* taken = buffer_.data() + next_;
    next_ += n;
    return taken;
  }

  static constexpr size_t kBlock = size_t{1} << 18;

 private:
  void Refill() {
    const size_t kept = end_ - next_;
    std::copy(buffer_.begin() + static_cast<ptrdiff_t>(next_),
              buffer_.begin() + static_cast<ptrdiff_t>(end_), buffer_.begin());
    const auto more = static_cast<size_t>(std::min<uint64_t>(left_, kBlock));
    buffer_.resize(std::max(buffer_.size(), kept + more));
    random_.Fill(buffer_.data() + kept, more);
    left_ -= more;
    next_ = 0, end_ = kept + more;
  }

  RandomSource random_;
  uint64_t left_;
  std::vector<float> buffer_;
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

// treat(draws, R, G, B, rows) on every column the planes cover, each taking
// the next perColumn draws of the sequence, then the column is written.
// Every such column makes the same number of draws, so a run of columns
// starting at column x starts at draw perColumn x x: each thread skips there,
// and the pixels are those of one thread. The source is left after the
// draws of the covered columns.
template <class Treat>
void RunDrawingColumns(Module1& m, const CallContext& call, PictureSurface& target,
                       uint64_t perColumn, Treat treat) {
  ChannelPlanes& p = m.planes;
  const int inW = std::min(std::max(target.Width(), 0), p.Width());
  const RandomSource start = m.random;
  ForEachColumnRun(m, call, target, ColumnOrder::Independent, [&](int first, int end) {
    const int firstIn = std::min(first, inW), endIn = std::min(end, inW);
    RandomSource random = start;
    random.Skip(perColumn * static_cast<uint64_t>(firstIn));
    return [&p, &treat, perColumn,
            ahead = DrawAhead(random, perColumn * static_cast<uint64_t>(endIn - firstIn))](
               int x, ColorRef* out, int rows) mutable {
      if (rows == 0) return;
      const float* draws = ahead.Take(static_cast<size_t>(perColumn));
      const size_t base = p.Index(x, 0);
      int32_t *R = p.PlaneR() + base, *G = p.PlaneG() + base, *B = p.PlaneB() + base;
      treat(draws, R, G, B, rows);
      ComposeColumn(R, G, B, out, rows);
    };
  });
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
  RunDrawingColumns(m, call, target, static_cast<uint64_t>(h),
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
// nothing is drawn there.
void Disorder(Module1& m, const CallContext& call, PictureSurface& target) {
  const int inH = std::min(std::max(target.Height(), 0), m.planes.Height());
  RunDrawingColumns(m, call, target, 3 * static_cast<uint64_t>(inH),
                    [](const float* draws, int32_t* R, int32_t* G, int32_t* B, int rows) {
                      for (int y = 0; y < rows; ++y) {
                        Darken(draws[3 * y], R[y]);
                        Darken(draws[3 * y + 1], G[y]);
                        Darken(draws[3 * y + 2], B[y]);
                      }
                    });
}

}  // namespace pixmora
