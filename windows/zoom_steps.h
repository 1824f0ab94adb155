// The zooms a view steps through with the wheel and the zoom keys, in device
// pixels per picture pixel: the usual fractions below 100 % and whole and
// half multiples above it.
#pragma once

namespace pixmora::windows {

inline constexpr double kLeastZoom = 1.0 / 64;
inline constexpr double kMostZoom = 32;

// The next step above (below) zoom; zoom itself at the end of the steps.
double ZoomInFrom(double zoom);
double ZoomOutFrom(double zoom);

}  // namespace pixmora::windows
