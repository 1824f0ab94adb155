// Small deterministic painting helpers for the pictures we ship: value noise,
// colour mixing and a canvas over a pixel buffer.
#pragma once
#include <cmath>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "core/picture.h"

namespace pixmora::data {

struct Rgb {
  double r, g, b;
};

inline Rgb Mix(Rgb a, Rgb b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

inline ColorRef ToColour(Rgb c) {
  auto byte = [](double v) { return static_cast<uint32_t>(std::lround(std::fmin(255.0, std::fmax(0.0, v)))); };
  return PackRGB(byte(c.r), byte(c.g), byte(c.b));
}

// Smooth value noise in [0, 1), the same for the same arguments on every run.
double Noise(double x, double y, uint32_t seed);
// Several octaves of Noise, in [0, 1).
double Fractal(double x, double y, uint32_t seed, int octaves);

using Canvas = std::shared_ptr<PixelBuffer>;
inline Canvas NewCanvas(int w, int h, ColorRef fill) { return std::make_shared<PixelBuffer>(w, h, fill); }

void FillDisc(PixelBuffer& p, double cx, double cy, double radius, Rgb colour);

}  // namespace pixmora::data

namespace pixmora::data {

// Value noise that repeats every cellsX x cellsY lattice cells, for u, v in
// [0, 1): a picture painted from it tiles without seams.
double TileNoise(double u, double v, int cellsX, int cellsY, uint32_t seed);
// Several octaves of TileNoise, in [0, 1).
double TileFractal(double u, double v, int cellsX, int cellsY, uint32_t seed, int octaves);

// A picture and the file name it is shipped under.
struct NamedPicture {
  std::string fileName;
  Canvas picture;
};

// A picture painted pixel by pixel from u, v in [0, 1).
Canvas PaintSquare(int side, const std::function<Rgb(double u, double v)>& colour);

}  // namespace pixmora::data
