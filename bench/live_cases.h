// The commands Live is measured with, each with the bar a hand steps under
// it, shared by the offscreen and the X server benchmarks: a bar stepped 16
// times a second for 4 s, up and down between two values.
#pragma once
#include <QScrollBar>
#include <vector>

#include "app/form1_controls.h"

namespace pixmora::bench {

inline constexpr int kLiveStepMs = 1000 / 16;
inline constexpr int kLiveSteps = 64;  // 4 s
inline constexpr double kLiveLastTarget = 300;  // ms from the last step to its result

struct LiveCase {
  const char* key;
  QScrollBar* bar;
  int low, high;
  double target;  // results a second
};

inline std::vector<LiveCase> LiveCases(const app::Form1Controls& k) {
  return {{"gradient", k.HS1[0], 0, 255, 8},
          {"mix-image-b", k.HScroll1, 1, 10, 8},
          {"horizontal-lines", k.HScroll1, 1, 10, 8},
          {"insert-shape", k.HScroll1, 1, 10, 4},
          {"outline", k.HScroll1, 1, 10, 4}};
}

// The value of step i: up and down between low and high, never twice the same in a row.
inline int LiveStepValue(const LiveCase& c, int i) {
  const int span = c.high - c.low;
  const int at = i % (2 * span);
  return at <= span ? c.low + at : c.high - (at - span);
}

}  // namespace pixmora::bench
