#include "ops/colour/gradient.h"

#include <algorithm>
#include <vector>

#include "core/operation_frame.h"
#include "core/column_pass.h"
#include "ops/common/blend.h"

namespace pixmora {

namespace {

// The line of one row: its colour, or none when the colour cannot be composed
// (that row's Line statement is abandoned and the row keeps its pixels).
struct RowLine {
  bool drawn;
  ColorRef colour;
};

// The lines of rows 0 .. lastRow, colour 1 on the first, which then moves one
// single-precision step towards colour 2 per row. Each line covers its whole
// row, end pixel included, so a row's line is one colour for every column.
std::vector<RowLine> RowLines(int16_t lastRow, float r1, float g1, float b1, float stepR,
                              float stepG, float stepB) {
  std::vector<RowLine> lines(static_cast<size_t>(std::max(lastRow + 1, 0)));
  for (RowLine& line : lines) {
    line.drawn = ComposeRGB(double{r1}, double{g1}, double{b1}, line.colour);
    r1 += stepR, g1 += stepG, b1 += stepB;
  }
  return lines;
}

// Any other column, statement by statement.
void BlendColumn(int32_t* R, int32_t* G, int32_t* B, ColorRef* out, int count, Weight w) {
  for (int y = 0; y < count; ++y) {
    BlendPlanes(R[y], G[y], B[y], w, SplitColour(out[y]));
    ColorRef c = out[y];
    ComposeRGB(R[y], G[y], B[y], c);
    out[y] = c;
  }
}

}  // namespace

void Gradient(Module1& m, const CallContext& call, PictureSurface& target, float w, float r1,
              float g1, float b1, int16_t r2, int16_t g2, int16_t b2) {
  const float t = Tenth(w);  // the opacity
  int16_t h = 0;
  ToInt16(int64_t{target.Height()} - 1, h);
  // Single-precision steps; for a one-pixel-high target the divisions by
  // zero fail and the steps stay 0.
  float stepR = 0, stepG = 0, stepB = 0;
  if (h != 0) {
    const float rows = h;
    stepR = (r2 - r1) / rows, stepG = (g2 - g1) / rows, stepB = (b2 - b1) / rows;
  }
  const std::vector<RowLine> lines = RowLines(h, r1, g1, b1, stepR, stepG, stepB);
  const int width = target.Width(), height = target.Height();
  const int drawnRows = width > 0 ? std::min<int>(lines.size(), height) : 0;
  // The last pixel the blend reads, which no earlier visit writes.
  if (width > 0 && height > 0) {
    const int y = height - 1;
    const ColorRef last = y < drawnRows && lines[y].drawn ? lines[y].colour : target.Point(width - 1, y);
    m.PixelColour = static_cast<int32_t>(last);
  }
  // Column by column: the lines' pixels, then each pixel the planes cover
  // blends its planes towards the colour just drawn there (the blend rule of
  // the effects) and is written RGB(R, G, B). Beyond the planes the pixels
  // keep the line's colour.
  const Weight weight(t);
  ChannelPlanes& p = m.planes;
  // When every line is drawn, a column of colour bytes blends straight
  // towards the lines' colours, in one pass.
  std::vector<ColorRef> colours;
  if (std::all_of(lines.begin(), lines.end(), [](const RowLine& l) { return l.drawn; }))
    for (const RowLine& line : lines) colours.push_back(line.colour);
  // Planes still waiting for a picture of the target's size hold its
  // channels: a column blends from the picture, and the planes then wait for
  // the result, whose channels are the cells the blend leaves.
  if (!colours.empty() && drawnRows == height)
    if (Picture source = SetAsideLoadOfSize(p, target)) {
      PlanesWaitForResult waiting(p, std::move(source), target, call.threads);
      const PixelBuffer& picture = waiting.Source();
      target.DetachForOverwrite();  // every pixel is written
      ForEachColumn(
          m, call, target,
          [&](int x, ColorRef* out, int rows) {
            BlendFromColourBytes(picture.Column(x), colours.data(), out, rows, weight);
          },
          ColumnOrder::Independent);
      waiting.Done();
      return;
    }
  ForEachColumn(
      m, call, target,
      [&](int x, ColorRef* out, int rows) {
        const size_t base = rows > 0 ? p.Index(x, 0) : 0;
        int32_t *R = p.PlaneR() + base, *G = p.PlaneG() + base, *B = p.PlaneB() + base;
        if (rows > 0 && !colours.empty() && rows <= drawnRows && HoldsColourBytes(R, G, B, rows)) {
          BlendColourBytes(R, G, B, colours.data(), out, rows, weight);
          std::copy(colours.begin() + rows, colours.begin() + drawnRows, out + rows);
          return;
        }
        for (int y = 0; y < drawnRows; ++y) out[y] = lines[y].drawn ? lines[y].colour : out[y];
        if (rows == 0) return;
        if (HoldsColourBytes(R, G, B, rows) && HoldsColours(out, rows))
          BlendColourBytes(R, G, B, out, out, rows, weight);
        else
          BlendColumn(R, G, B, out, rows, weight);
      },
      ColumnOrder::Independent);
}

}  // namespace pixmora
