#include "ops/image/selection.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "ops/image/ellipse_distance.h"

namespace pixmora {

namespace {

// The weight before any inversion, of the point (px, py).
float ShapeWeight(const Selection& s, double px, double py) {
  const int feather = s.feather;
  const auto across = [feather](double depth) {
    if (depth <= 0) return 0.0f;
    return feather == 0 ? 1.0f : static_cast<float>(std::min(1.0, depth / feather));
  };
  const Box& b = s.box;
  if (s.shape == SelectionShape::Rectangle)
    return across(std::min({px - b.x, b.x + b.width - px, py - b.y, b.y + b.height - py}));
  const double a = b.width / 2.0, c = b.height / 2.0;
  const double u = px - (b.x + a), v = py - (b.y + c);
  const double r2 = (u / a) * (u / a) + (v / c) * (v / c);
  if (r2 >= 1) return 0.0f;
  if (feather == 0) return 1.0f;
  // A point at r (on its ellipse scaled by r about the centre) lies at least
  // (1 - r) times the shorter semi-axis inside: the exact distance is needed
  // only where that is less than the feather.
  if ((1 - std::sqrt(r2)) * std::min(a, c) >= feather) return 1.0f;
  return across(DistanceToEllipseEdge(a, c, u, v));
}

}  // namespace

bool Box::Within(int pictureWidth, int pictureHeight) const {
  return width >= 1 && height >= 1 && x >= 0 && y >= 0 &&
         int64_t{x} + width <= pictureWidth && int64_t{y} + height <= pictureHeight;
}

float SelectionWeight(const Selection& selection, int x, int y) {
  const float w = ShapeWeight(selection, x + 0.5, y + 0.5);
  return selection.inverted ? 1.0f - w : w;
}

}  // namespace pixmora
