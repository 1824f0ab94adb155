#include "ops/image/ellipse_distance.h"

#include <cmath>
#include <utility>

namespace pixmora {

namespace {

// The root s of (r0 z0 / (s + r0))^2 + (z1 / (s + 1))^2 = 1 between its
// bounds, by bisection: the nearest point of the ellipse is then found from
// it without ever dividing by a small difference (Eberly's method). The
// bounds meet in double precision well within the iterations.
double Root(double r0, double z0, double z1, double g) {
  const double n0 = r0 * z0;
  double low = z1 - 1, high = g < 0 ? 0 : std::hypot(n0, z1) - 1, s = low;
  for (int i = 0; i < 160; ++i) {
    s = (low + high) / 2;
    if (s == low || s == high) break;
    const double p = n0 / (s + r0), q = z1 / (s + 1), value = p * p + q * q - 1;
    if (value > 0) low = s;
    else if (value < 0) high = s;
    else break;
  }
  return s;
}

}  // namespace

double DistanceToEllipseEdge(double a, double b, double u, double v) {
  // Measured in the first quadrant with the longer axis first.
  double y0 = std::abs(u), y1 = std::abs(v);
  if (a < b) {
    std::swap(a, b);
    std::swap(y0, y1);
  }
  if (y1 > 0) {
    if (y0 == 0) return std::abs(b - y1);
    const double z0 = y0 / a, z1 = y1 / b, g = z0 * z0 + z1 * z1 - 1;
    if (g == 0) return 0;
    const double r0 = (a / b) * (a / b), s = Root(r0, z0, z1, g);
    return std::hypot(r0 * y0 / (s + r0) - y0, y1 / (s + 1) - y1);
  }
  // On the longer axis: the nearest point is off the axis while the point
  // lies nearer the centre than the curvature's centre.
  const double numerator = a * y0, denominator = a * a - b * b;
  if (numerator >= denominator) return std::abs(a - y0);
  const double t = numerator / denominator;
  return std::hypot(a * t - y0, b * std::sqrt(1 - t * t));
}

}  // namespace pixmora
