// The frame of the filters that read neighbouring plane cells or treat a
// whole column at once: the statements of one column of the planes run top
// to bottom, then that column is written into the target. Columns outer and
// rows inner, as in every operation.
#pragma once
#include <vector>

#include "core/operation_frame.h"

namespace pixmora {

// Writes RGB(R, G, B) of count plane cells into a target column; a pixel whose
// composition fails keeps its colour. (Written as a choice of value rather
// than a conditional store, so that the loop runs on vector units.)
inline void ComposeColumn(const int32_t* R, const int32_t* G, const int32_t* B, ColorRef* out,
                          int count) {
  for (int y = 0; y < count; ++y) {
    ColorRef c = out[y];
    ComposeRGB(R[y], G[y], B[y], c);
    out[y] = c;
  }
}

// Whether count cells of the three planes all hold values LoadPlanes can
// leave there (-1..255), where a routine's bounds are known.
inline bool HoldsChannelValues(const int32_t* R, const int32_t* G, const int32_t* B, int count) {
  uint32_t outside = 0;
  for (int y = 0; y < count; ++y)
    outside |= (static_cast<uint32_t>(R[y] + 1) > 256u) | (static_cast<uint32_t>(G[y] + 1) > 256u) |
               (static_cast<uint32_t>(B[y] + 1) > 256u);
  return outside == 0;
}

// Whether count cells of the three planes all hold colour bytes (0..255).
inline bool HoldsColourBytes(const int32_t* R, const int32_t* G, const int32_t* B, int count) {
  uint32_t outside = 0;
  for (int y = 0; y < count; ++y) outside |= static_cast<uint32_t>(R[y] | G[y] | B[y]) > 255u;
  return outside == 0;
}

// treat(x, rows) runs the statements of the pixels (x, 0 .. rows - 1), the
// rows that both the target and the planes cover. Target pixels beyond the
// planes are left as they are: there every statement, the write included,
// reads a plane cell that does not exist.
// Columns that each touch only their own cells may be treated at the same
// time (ColumnOrder::Independent).
// A pass in order that reads only the planes of columns up to readsAhead
// columns ahead of the one it treats says so (see ForEachColumnRun).
template <class TreatColumn>
void RunColumnPass(Module1& m, const CallContext& call, PictureSurface& target, TreatColumn treat,
                   ColumnOrder order = ColumnOrder::InOrder, int readsAhead = -1) {
  ChannelPlanes& planes = m.planes;
  ForEachColumn(
      m, call, target,
      [&planes, &treat](int x, ColorRef* out, int rows) {
        if (rows == 0) return;
        treat(x, rows);
        const size_t base = planes.Index(x, 0);
        ComposeColumn(planes.PlaneR() + base, planes.PlaneG() + base, planes.PlaneB() + base,
                      out, rows);
      },
      order, readsAhead);
}

// The same for passes whose columns touch only their own cells, as
// treat(R, G, B, rows) on the column's cells of the three planes; the
// columns are shared out among the threads. Planes still waiting for a
// picture stay waiting, as under RunPerPixel: each column is split into
// cells of the pass's own, and the planes' memory is not made; treat, which
// goes over their cells again if they are ever read, holds copies of what it
// uses.
// count colours `in` split into cells of the pass's own, treated, and
// composed into `out` (which may be `in`; a colour whose composition fails
// keeps out's).
template <class TreatCells>
void TreatColours(TreatCells& treat, std::vector<int32_t>& cells, const ColorRef* in, ColorRef* out, int count) {
  cells.resize(3 * static_cast<size_t>(count));
  int32_t *R = cells.data(), *G = R + count, *B = G + count;
  SplitColumn(in, R, G, B, count);
  treat(R, G, B, count);
  ComposeColumn(R, G, B, out, count);
}

template <class TreatCells>
void RunCellColumns(Module1& m, const CallContext& call, PictureSurface& target, TreatCells treat) {
  ChannelPlanes& p = m.planes;
  if (const Picture source = p.SetAsideLoad()) {
    const PendingAgain pending(p, source, call.threads, target, treat);
    return ForEachColumnRun(m, call, target, ColumnOrder::Independent, [&](int, int) {
      return [&treat, &picture = *source, cells = std::vector<int32_t>()](int x, ColorRef* out,
                                                                           int rows) mutable {
        if (rows > 0) TreatColours(treat, cells, picture.Column(x), out, rows);
      };
    });
  }
  RunColumnPass(
      m, call, target,
      [&p, &treat](int x, int rows) {
        const size_t base = p.Index(x, 0);
        treat(p.PlaneR() + base, p.PlaneG() + base, p.PlaneB() + base, rows);
      },
      ColumnOrder::Independent);
}

// A cell pass as RunCellColumns runs it over a picture whose planes wait for
// it, as a pixel map (see pixel_map.h). A map keeps its cells between runs:
// one thread at a time uses it.
template <class TreatCells>
PixelMap MapOfCells(TreatCells treat) {
  return [treat, cells = std::vector<int32_t>()](ColorRef* pixels, int count) mutable {
    TreatColours(treat, cells, pixels, pixels, count);
  };
}

}  // namespace pixmora
