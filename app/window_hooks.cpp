#include "app/window_hooks.h"

#include <QLabel>
#include <QProgressBar>
#include <algorithm>
#include <cmath>

#include "core/numeric.h"

namespace pixmora::app {

namespace {
constexpr int kProgressSteps = 200;
}

WindowFrameHooks::WindowFrameHooks(QLabel* busyLabel, QProgressBar* bar, QObject* parent)
    : QObject(parent), busyLabel_(busyLabel), bar_(bar) {}

void WindowFrameHooks::SetBusyMark(bool visible) {
  QMetaObject::invokeMethod(this, [this, visible] { busyLabel_->setVisible(visible); });
}

void WindowFrameHooks::SetProgressRange(double min, double max) {
  const int lo = static_cast<int>(RoundHalfEven(min));
  // A range of one value would turn the bar into a busy indicator.
  const int hi = std::max(lo + 1, static_cast<int>(RoundHalfEven(max)));
  stride_ = std::max(1, (hi - lo) / kProgressSteps);
  QMetaObject::invokeMethod(this, [this, lo, hi] { bar_->setRange(lo, hi); });
}

void WindowFrameHooks::SetProgressValue(double value) {
  const int v = static_cast<int>(RoundHalfEven(value));
  if (v != 0 && std::abs(v - lastShown_) < stride_) return;
  lastShown_ = v;
  QMetaObject::invokeMethod(this, [this, v] { bar_->setValue(v); });
}

}  // namespace pixmora::app
