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
