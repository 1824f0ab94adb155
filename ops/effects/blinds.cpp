#include "ops/effects/blinds.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/operation_frame.h"
#include "core/column_pass.h"
#include "ops/effects/loop_end.h"

namespace pixmora {

namespace {

// The band counter of each of `count` rows (or columns) in turn. An
// overflowing step of the 16-bit counter is abandoned.
std::vector<int16_t> BandCounters(int count, int16_t n, int16_t reversed) {
  std::vector<int16_t> bands(static_cast<size_t>(std::max(count, 0)));
  int16_t b = reversed == 0 ? 0 : n;
  for (int16_t& band : bands) {
    band = b;
    if (reversed == 0) {
      ToInt16(int64_t{b} + 1, b);
      if (b == n) b = 0;
    } else {
      ToInt16(int64_t{b} - 1, b);
      if (b == 0) b = n;
    }
  }
  return bands;
}

// P = P - (b * P) / n: a 32-bit product, the rest in double precision. The
// caller skips it for n = 0 (the division fails).
inline void Darken(int32_t& P, int16_t b, double n) {
  const int64_t product = int64_t{b} * P;
  if (product < INT32_MIN || product > INT32_MAX) return;
  ToInt32(P - static_cast<double>(product) / n, P);
}

// The darkening of a cell by the statements below, for every counter
// 0 .. n and every cell -1..255, worked out by those very statements once a
// command: a lookup then stands for three divisions in double precision.
// Longer periods than a table is worth keep the statements.
class DarkenTable {
 public:
  explicit DarkenTable(int16_t n) {
    if (n <= 0 || n > 256) return;
    cells_.resize(size_t(n + 1) * 257);
    for (int b = 0; b <= n; ++b)
      for (int v = -1; v < 256; ++v) cells_[size_t(b) * 257 + size_t(v + 1)] = Darkened(v, b, n);
  }
  // The darkened cells of counter b, indexed by the cell's value; null
  // without a table.
  const int32_t* Of(int b) const { return cells_.empty() ? nullptr : cells_.data() + size_t(b) * 257 + 1; }
  // The statement on a cell whose product fits 32 bits and whose result converts.
  static int32_t Darkened(int32_t P, int32_t b, double n) {
    return static_cast<int32_t>(std::nearbyint(P - static_cast<double>(b * P) / n));
  }

 private:
  std::vector<int32_t> cells_;
};

// Rows y0 .. y1 - 1 of column x, whose target column is out, bandOf(y)
// giving each row's counter. Pixels the planes do not cover keep their
// colour: every statement there fails. Each pixel reads only its own cells
// and its counter, so columns may be treated at the same time.
template <class BandOf>
void DarkenColumn(ChannelPlanes& planes, ColorRef* out, int x, int y0, int y1, int16_t n,
                  const DarkenTable& table, BandOf bandOf) {
  if (x >= planes.Width()) return;
  y1 = std::min(y1, planes.Height());
  const size_t base = planes.Index(x, 0);
  int32_t* R = planes.PlaneR() + base;
  int32_t* G = planes.PlaneG() + base;
  int32_t* B = planes.PlaneB() + base;
  const double period = n;
  if (n > 0 && y0 < y1 && HoldsChannelValues(R + y0, G + y0, B + y0, y1 - y0)) {
    // Counters lie in 0 .. n and cells in -1..255: no product leaves 32 bits
    // and no result fails to convert, so the column is looked up, or runs on
    // vector units.
    if (table.Of(0)) {
      for (int y = y0; y < y1; ++y) {
        const int32_t* darkened = table.Of(bandOf(y));
        R[y] = darkened[R[y]], G[y] = darkened[G[y]], B[y] = darkened[B[y]];
      }
    } else {
      for (int y = y0; y < y1; ++y) {
        const int32_t b = bandOf(y);
        R[y] = DarkenTable::Darkened(R[y], b, period);
        G[y] = DarkenTable::Darkened(G[y], b, period);
        B[y] = DarkenTable::Darkened(B[y], b, period);
      }
    }
    ComposeColumn(R + y0, G + y0, B + y0, out + y0, y1 - y0);
    return;
  }
  for (int y = y0; y < y1; ++y) {
    if (n != 0) {
      const int16_t b = bandOf(y);
      Darken(R[y], b, period);
      Darken(G[y], b, period);
      Darken(B[y], b, period);
    }
    ColorRef c;
    if (ComposeRGB(R[y], G[y], B[y], c)) out[y] = c;
  }
}

// Planes waiting for a picture of the target's size hold its channels: with
// a table, the picture's channels are darkened straight into the target, and
// the planes then wait for the result, whose channels are the cells the
// statements leave (a darkened byte stays a byte). bandsOf(x) gives column
// x's counter of each row. Answers whether it did so.
template <class BandsOf>
bool DarkenWaitingPicture(Module1& m, const CallContext& call, PictureSurface& target, const DarkenTable& table,
                          BandsOf bandsOf, Bar bar) {
  ChannelPlanes& planes = m.planes;
  Picture source = table.Of(0) ? SetAsideLoadOfSize(planes, target) : nullptr;
  if (!source) return false;
  PlanesWaitForResult waiting(planes, std::move(source), target, call.threads);
  const PixelBuffer& picture = waiting.Source();
  ForEachColumn(
      m, call, target,
      [&picture, &table, &bandsOf](int x, ColorRef* out, int rows) {
        const ColorRef* in = picture.Column(x);
        const auto bandOf = bandsOf(x);
        for (int y = 0; y < rows; ++y) {
          const int32_t* darkened = table.Of(bandOf(y));
          const Channels v = ChannelBytes(in[y]);
          out[y] = PackRGB(darkened[v.r], darkened[v.g], darkened[v.b]);
        }
      },
      ColumnOrder::Independent, -1, bar);
  waiting.Done();
  return true;
}

}  // namespace

// The statements loop over the rows outside, and the bar follows them; since
// each pixel reads only its own cells and its row's counter, the columns are
// treated whole instead, as the vertical blinds' are.
void HorizontalBlinds(Module1& m, const CallContext& call, PictureSurface& target, int16_t period,
                      int16_t reversed) {
  const int w = target.Width(), h = target.Height();
  const std::vector<int16_t> bands = BandCounters(h, period, reversed);
  const DarkenTable table(period);
  const auto bandOfRow = [&bands](int y) { return bands[y]; };
  if (!DarkenWaitingPicture(m, call, target, table, [&bandOfRow](int) { return bandOfRow; }, Bar::Rows))
    ForEachColumn(
        m, call, target,
        [&m, &bandOfRow, &table, h, period](int x, ColorRef* out, int) {
          DarkenColumn(m.planes, out, x, 0, h, period, table, bandOfRow);
        },
        ColumnOrder::Independent, -1, Bar::Rows);
  m.LoopY = LoopEnd(h - 1, 1);
  m.LoopX = LoopEnd(w - 1, 1);
}

// The columns are shared out among the threads, each fed its planes.
void VerticalBlinds(Module1& m, const CallContext& call, PictureSurface& target, int16_t period,
                    int16_t reversed) {
  const int w = target.Width(), h = target.Height();
  const std::vector<int16_t> bands = BandCounters(w, period, reversed);
  const DarkenTable table(period);
  const auto bandsOf = [&bands](int x) { return [b = bands[x]](int) { return b; }; };
  if (!DarkenWaitingPicture(m, call, target, table, bandsOf, Bar::Columns))
    ForEachColumn(
        m, call, target,
        [&m, &bandsOf, &table, h, period](int x, ColorRef* out, int) {
          DarkenColumn(m.planes, out, x, 0, h, period, table, bandsOf(x));
        },
        ColumnOrder::Independent);
  m.LoopX = LoopEnd(w - 1, 1);
  m.LoopY = LoopEnd(h - 1, 1);
}

}  // namespace pixmora
