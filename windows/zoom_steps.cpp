#include "windows/zoom_steps.h"

#include <iterator>

namespace pixmora::windows {

namespace {

constexpr double kSteps[] = {1.0 / 64, 1.0 / 48, 1.0 / 32, 1.0 / 24, 1.0 / 16, 1.0 / 12, 1.0 / 8,
                             1.0 / 6,  1.0 / 4,  1.0 / 3,  1.0 / 2,  2.0 / 3,  1,        1.5,
                             2,        3,        4,        6,        8,        12,       16,
                             24,       32};
// A zoom this close to a step counts as that step.
constexpr double kNear = 1.001;

}  // namespace

double ZoomInFrom(double zoom) {
  for (double step : kSteps)
    if (step > zoom * kNear) return step;
  return zoom;
}

double ZoomOutFrom(double zoom) {
  for (auto it = std::rbegin(kSteps); it != std::rend(kSteps); ++it)
    if (*it < zoom / kNear) return *it;
  return zoom;
}

}  // namespace pixmora::windows
