#include "tools/default_data/shapes.h"

#include <cmath>

namespace pixmora::data {

namespace {

constexpr int kSide = 400;
constexpr double kPi = 3.14159265358979323846;
const Rgb kBlack{0, 0, 0};

// x, y in [-1, 1], y upwards.
Canvas PaintFigure(const std::function<Rgb(double x, double y)>& colour) {
  return PaintSquare(kSide, [&](double u, double v) { return colour(u * 2 - 1, 1 - v * 2); });
}

// A five-pointed star, golden towards its centre.
Rgb Star(double x, double y) {
  const double r = std::hypot(x, y), a = std::atan2(x, y);
  const double sector = 2 * kPi / 5;
  const double t = std::fabs(std::fmod(a + 2 * kPi + sector / 2, sector) - sector / 2) / (sector / 2);
  // Between an outer radius at the points and an inner one between them.
  const double outer = 0.92, inner = 0.38;
  const double edge = 1.0 / ((1 - t) / outer + t / inner);
  if (r > edge) return kBlack;
  return Mix({255, 245, 170}, {235, 160, 20}, r / edge);
}

Rgb Heart(double x, double y) {
  const double sx = x * 1.15, sy = (y + 0.1) * 1.15;
  const double f = std::pow(sx * sx + sy * sy - 1, 3) - sx * sx * sy * sy * sy;
  if (f > 0) return kBlack;
  const double light = std::fmax(0.0, 1 - std::hypot(x + 0.35, y - 0.35) * 1.6);
  return Mix({200, 20, 40}, {255, 140, 150}, light);
}

// Two arcs meeting at the tips, turned a quarter; a pale vein and a stem.
Rgb Leaf(double x, double y) {
  const double c = std::cos(kPi / 4), s = std::sin(kPi / 4);
  const double lx = x * c + y * s, ly = -x * s + y * c;
  const double half = 0.85, bulge = 0.42;
  const double radius = (half * half + bulge * bulge) / (2 * bulge);
  const double offset = radius - bulge;
  const bool inside = std::hypot(lx, ly + offset) < radius && std::hypot(lx, ly - offset) < radius;
  const bool stem = ly > -0.03 && ly < 0.03 && lx < -half && lx > -half - 0.12;
  if (stem) return {90, 130, 40};
  if (!inside) return kBlack;
  if (std::fabs(ly) < 0.015 + 0.01 * (1 - std::fabs(lx))) return {190, 230, 140};
  const double shade = 0.5 + 0.5 * std::sin(lx * 9 + std::fabs(ly) * 14);
  return Mix({40, 120, 35}, {95, 175, 60}, shade);
}

}  // namespace

std::vector<NamedPicture> PaintShapes() {
  return {{"star.bmp", PaintFigure(Star)},
          {"heart.bmp", PaintFigure(Heart)},
          {"leaf.bmp", PaintFigure(Leaf)}};
}

}  // namespace pixmora::data
