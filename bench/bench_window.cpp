// pixmora-bench-window PICTURE [FILTER]: the editor's main window, offscreen,
// timed as a user meets it, by the window's own clock: opening PICTURE as
// image A and as image B (each decoded in the decoder process, until it is
// shown), then every menu command whose caption contains FILTER (all when
// none is given) from the click until its result is painted in Image1, twice:
// the first time after the picture was opened and once more, each after the
// pause a user takes to look at a result (in which the window finishes what
// it does in the background: ps.bmp, the history). Prints the times and the
// peak memory of the window. With --once, only image A is opened and each
// command runs once: the memory a user's first command on a picture needs.
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/form1.h"
#include "app/open_commands.h"
#include "app/picture_box.h"
#include "bench/bench_window_start.h"
#include "session/catalogue/catalogue.h"

namespace {

using namespace pixmora;

double Milliseconds(const QElapsedTimer& timer) { return timer.nsecsElapsed() / 1e6; }

long PeakMiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024;
}

// Starts something that ends in a job and answers the milliseconds until
// box has drawn its outcome (a picture other than the one it drew before; a
// result is drawn before its job has ended).
double UntilDrawn(app::Form1& window, app::PreviewBox& box, const std::function<void()>& start) {
  const PixelBuffer* before = box.Drawn().get();
  QElapsedTimer timer;
  timer.start();
  start();
  for (;;) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    if (box.Drawn().get() != before) break;
    if (window.Busy()) continue;
    box.repaint();  // painted, not only scheduled
    if (box.Drawn().get() == before) break;  // the same picture as before
  }
  return Milliseconds(timer);
}

// Lets the window run for a while, as a user looks at what it shows.
void Pause() {
  QEventLoop loop;
  QTimer::singleShot(600, &loop, &QEventLoop::quit);
  loop.exec();
}

}  // namespace

int main(int argc, char** argv) {
  const bool once = argc > 1 && std::strcmp(argv[1], "--once") == 0;
  if (once) --argc, ++argv;
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: pixmora-bench-window [--once] PICTURE [FILTER]\n");
    return 2;
  }
  const QString filter = argc == 3 ? QString::fromLocal8Bit(argv[2]) : QString();
  bench::BenchWindow started(argc, argv, nullptr);
  app::Form1& window = started.Window();
  const QString picture = QString::fromLocal8Bit(argv[1]);
  for (const Slot slot : {Slot::ImageA, Slot::ImageB}) {
    if (once && slot == Slot::ImageB) break;
    std::printf("open as image %c: %.0f ms\n", slot == Slot::ImageA ? 'A' : 'B',
                UntilDrawn(window, slot == Slot::ImageA ? *window.Controls().Image2 : *window.Controls().Image3,
                           [&] { app::OpenPictureFile(window, slot, picture); }));
  }
  std::printf("%-28s %9s %9s\n", "click to shown (ms)", "first", "again");
  for (const CatalogueEntry& e : Catalogue()) {
    if (e.IsSeparator() || !QString(e.caption).contains(filter, Qt::CaseInsensitive)) continue;
    const auto run = [&] { window.RunOperation(e.menu, e.index); };
    // The first run after opening: image A's picture again, as a new one.
    if (!once) window.PutPicture(Slot::ImageA, window.Session().Pic1.GetPicture());
    Pause();
    const double first = UntilDrawn(window, *window.Controls().Image1, run);
    Pause();
    if (once) {
      std::printf("%-28s %9.0f\n", e.caption, first);
      continue;
    }
    std::printf("%-28s %9.0f %9.0f\n", e.caption, first, UntilDrawn(window, *window.Controls().Image1, run));
  }
  // The decoder process stays, ready for the next file: its memory is its
  // own (scripts/bench-memory measures it).
  const double pixels = double(window.Session().Pic1.Width()) * window.Session().Pic1.Height();
  std::printf("peak memory: window %ld MiB, %.1f bytes a pixel of image A (target with the "
              "decoder, one per-pixel command, --once: <= 20)\n",
              PeakMiB(), pixels > 0 ? PeakMiB() * 1048576.0 / pixels : 0.0);
  return 0;
}
