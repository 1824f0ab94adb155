#include "tools/default_data/painting.h"

#include <algorithm>

namespace pixmora::data {

namespace {

double Lattice(int x, int y, uint32_t seed) {
  uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u +
               seed * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return (h & 0xFFFFFF) / 16777216.0;
}

double Smooth(double t) { return t * t * (3 - 2 * t); }

}  // namespace

double Noise(double x, double y, uint32_t seed) {
  const int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
  const double fx = Smooth(x - x0), fy = Smooth(y - y0);
  const double top = Lattice(x0, y0, seed) * (1 - fx) + Lattice(x0 + 1, y0, seed) * fx;
  const double bottom = Lattice(x0, y0 + 1, seed) * (1 - fx) + Lattice(x0 + 1, y0 + 1, seed) * fx;
  return top * (1 - fy) + bottom * fy;
}

double Fractal(double x, double y, uint32_t seed, int octaves) {
  double sum = 0, weight = 0, amplitude = 1;
  for (int i = 0; i < octaves; ++i) {
    sum += amplitude * Noise(x, y, seed + i * 101u);
    weight += amplitude;
    amplitude *= 0.5, x *= 2, y *= 2;
  }
  return sum / weight;
}

void FillDisc(PixelBuffer& p, double cx, double cy, double radius, Rgb colour) {
  const int x0 = std::max(0, static_cast<int>(cx - radius)), x1 = std::min(p.Width() - 1, static_cast<int>(cx + radius));
  const int y0 = std::max(0, static_cast<int>(cy - radius)), y1 = std::min(p.Height() - 1, static_cast<int>(cy + radius));
  for (int x = x0; x <= x1; ++x)
    for (int y = y0; y <= y1; ++y)
      if ((x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius) p.Set(x, y, ToColour(colour));
}

}  // namespace pixmora::data

namespace pixmora::data {

namespace {

int Wrap(int i, int period) { return ((i % period) + period) % period; }

}  // namespace

double TileNoise(double u, double v, int cellsX, int cellsY, uint32_t seed) {
  const double x = u * cellsX, y = v * cellsY;
  const int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
  const double fx = x - x0, fy = y - y0;
  const double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
  auto at = [&](int i, int j) {
    // The lattice of Noise, wrapped so that the last cell meets the first.
    return Noise(Wrap(i, cellsX), Wrap(j, cellsY), seed);
  };
  const double top = at(x0, y0) * (1 - sx) + at(x0 + 1, y0) * sx;
  const double bottom = at(x0, y0 + 1) * (1 - sx) + at(x0 + 1, y0 + 1) * sx;
  return top * (1 - sy) + bottom * sy;
}

double TileFractal(double u, double v, int cellsX, int cellsY, uint32_t seed, int octaves) {
  double sum = 0, weight = 0, amplitude = 1;
  for (int i = 0; i < octaves; ++i) {
    sum += amplitude * TileNoise(u, v, cellsX, cellsY, seed + i * 101u);
    weight += amplitude;
    amplitude *= 0.5, cellsX *= 2, cellsY *= 2;
  }
  return sum / weight;
}

Canvas PaintSquare(int side, const std::function<Rgb(double u, double v)>& colour) {
  Canvas c = NewCanvas(side, side, 0);
  for (int x = 0; x < side; ++x)
    for (int y = 0; y < side; ++y)
      c->Set(x, y, ToColour(colour(static_cast<double>(x) / side, static_cast<double>(y) / side)));
  return c;
}

}  // namespace pixmora::data
