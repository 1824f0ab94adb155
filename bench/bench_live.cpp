// pixmora-bench-live: Live as a hand meets it, offscreen, on the benchmarks'
// 6000 x 4000 photograph as image A and image B. For each of five commands, a
// bar it reads is stepped 16 times a second for 4 s; the result's preview is
// looked at every 10 ms. Prints the distinct results it drew sharp (from
// their reduced copies) a second, beside the results put in it at all (its
// 256 x 256 stand-in included), and the time from the last step until it
// drew the last one, each beside its target.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "app/form1.h"
#include "app/picture_box.h"
#include "bench/bench_picture.h"
#include "session/catalogue/catalogue.h"

namespace {

using namespace pixmora;

constexpr int kStepMs = 1000 / 16;
constexpr int kSteps = 64;  // 4 s

struct Case {
  const char* key;
  QScrollBar* bar;
  int low, high;
  double target;  // results a second
};

void Wait(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

void WaitIdle(app::Form1& window) {
  while (window.Busy()) Wait(20);
}

// The value of step i: up and down between low and high, never twice the same in a row.
int StepValue(const Case& c, int i) {
  const int span = c.high - c.low;
  const int at = i % (2 * span);
  return at <= span ? c.low + at : c.high - (at - span);
}

void Measure(app::Form1& window, const Case& c) {
  c.bar->setValue(StepValue(c, 0));
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
    if (preview.Shown().cacheKey() != put && lastStep < kSteps * kStepMs) ++puts;
    put = preview.Shown().cacheKey();
    const PixelBuffer* now = preview.Drawn().get();
    if (now == shown) return;
    shown = now;
    lastChange = clock.nsecsElapsed() / 1e6;
    if (lastStep < kSteps * kStepMs) ++changes;
  });
  look.start(10);
  for (int i = 1; i <= kSteps; ++i) {
    const double due = double(i) * kStepMs;
    while (clock.nsecsElapsed() / 1e6 < due) Wait(1);
    c.bar->setValue(StepValue(c, i));
    lastStep = clock.nsecsElapsed() / 1e6;
  }
  Wait(1500);
  WaitIdle(window);
  Wait(500);
  std::printf("%-24s %7.1f  (>= %.0f) %12.1f %10.0f  (<= 300)\n", entry->caption, changes / 4.0, c.target,
              puts / 4.0, lastChange - lastStep);
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // A scratch data folder, so that the user's ps.bmp is left alone.
  QTemporaryDir home;
  qputenv("XDG_DATA_HOME", home.path().toUtf8());
  QDir(home.path()).mkdir("VARDELO24");
  QApplication application(argc, argv);
  const QString filter = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();

  app::Form1 window;
  window.Form_Load();
  window.showMaximized();
  window.PutPicture(Slot::ImageA, bench::Photo());
  window.PutPicture(Slot::ImageB, bench::Photo());
  const app::Form1Controls& k = window.Controls();
  const Case cases[] = {{"gradient", k.HS1[0], 0, 255, 8},
                        {"mix-image-b", k.HScroll1, 1, 10, 8},
                        {"horizontal-lines", k.HScroll1, 1, 10, 8},
                        {"insert-shape", k.HScroll1, 1, 10, 4},
                        {"outline", k.HScroll1, 1, 10, 4}};
  std::printf("%-24s %18s %12s %18s\n", "Live, 16 steps a second", "results a second", "put (any)",
              "last step to shown (ms)");
  for (const Case& c : cases)
    if (QString(c.key).contains(filter)) Measure(window, c);
  return 0;
}
