// pixmora-bench-live: Live as a hand meets it, offscreen, on the benchmarks'
// 6000 x 4000 photograph as image A and image B. For each of five commands, a
// bar it reads is stepped 16 times a second for 4 s; the result's preview is
// looked at every 10 ms. Prints the distinct results it drew sharp (from
// their reduced copies) a second, beside the results put in it at all (its
// 256 x 256 stand-in included), and the time from the last step until it
// drew the last one, each beside its target.
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QScrollBar>
#include <QTimer>
#include <cstdio>

#include "app/form1.h"
#include "app/picture_box.h"
#include "bench/bench_picture.h"
#include "bench/bench_window_start.h"
#include "bench/live_cases.h"
#include "session/catalogue/catalogue.h"

namespace {

using namespace pixmora;

using bench::kLiveStepMs, bench::kLiveSteps, bench::LiveCase, bench::LiveStepValue;

void Wait(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

void WaitIdle(app::Form1& window) {
  while (window.Busy()) Wait(20);
}

void Measure(app::Form1& window, const LiveCase& c) {
  c.bar->setValue(LiveStepValue(c, 0));
  const CatalogueEntry* entry = FindByKey(c.key);
  window.findChild<QAction*>("mnuLive")->setChecked(false);
  window.RunOperation(entry->menu, entry->index);
  WaitIdle(window);
  Wait(1000);
  window.findChild<QAction*>("mnuLive")->setChecked(true);
  app::PreviewBox& preview = *window.Controls().Image1;
  const PixelBuffer* shown = preview.Drawn().get();
  qint64 put = preview.Shown().cacheKey();
  int changes = 0, puts = 0;
  double lastStep = 0, lastChange = 0;
  QElapsedTimer clock;
  clock.start();
  QTimer look;
  QObject::connect(&look, &QTimer::timeout, [&] {
    if (preview.Shown().cacheKey() != put && lastStep < kLiveSteps * kLiveStepMs) ++puts;
    put = preview.Shown().cacheKey();
    const PixelBuffer* now = preview.Drawn().get();
    if (now == shown) return;
    shown = now;
    lastChange = clock.nsecsElapsed() / 1e6;
    if (lastStep < kLiveSteps * kLiveStepMs) ++changes;
  });
  look.start(10);
  for (int i = 1; i <= kLiveSteps; ++i) {
    const double due = double(i) * kLiveStepMs;
    while (clock.nsecsElapsed() / 1e6 < due) Wait(1);
    c.bar->setValue(LiveStepValue(c, i));
    lastStep = clock.nsecsElapsed() / 1e6;
  }
  Wait(1500);
  WaitIdle(window);
  Wait(500);
  std::printf("%-24s %7.1f  (>= %.0f) %12.1f %10.0f  (<= %.0f)\n", entry->caption, changes / 4.0, c.target,
              puts / 4.0, lastChange - lastStep, bench::kLiveLastTarget);
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  bench::BenchWindow started(argc, argv, nullptr);
  app::Form1& window = started.Window();
  const QString filter = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
  window.PutPicture(Slot::ImageA, bench::Photo());
  window.PutPicture(Slot::ImageB, bench::Photo());
  std::printf("%-24s %18s %12s %18s\n", "Live, 16 steps a second", "results a second", "put (any)",
              "last step to shown (ms)");
  for (const LiveCase& c : bench::LiveCases(window.Controls()))
    if (QString(c.key).contains(filter)) Measure(window, c);
  return 0;
}
