// pixmora-bench-window PICTURE [RUNS]: the editor's main window, offscreen,
// timed as a user meets it: opening PICTURE as image A (decoded in the
// decoder process), then "Grayscale" from the click until the result is
// painted in Image1, RUNS times. Prints the times, how often the progress
// bar moved, and the peak memory of the window and of the decoder.
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProgressBar>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <set>

#include "app/form1.h"
#include "app/open_commands.h"
#include "app/picture_box.h"
#include "session/catalogue/catalogue.h"

namespace {

constexpr int16_t kGrayscale = 21;  // the Color menu's "Grayscale"

double Milliseconds(const QElapsedTimer& timer) { return timer.nsecsElapsed() / 1e6; }

long PeakMiB(int who) {
  rusage usage{};
  getrusage(who, &usage);
  return usage.ru_maxrss / 1024;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace pixmora;
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: pixmora-bench-window PICTURE [RUNS]\n");
    return 2;
  }
  const int runs = argc == 3 ? std::max(1, std::atoi(argv[2])) : 3;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // A scratch data folder, so that the user's ps.bmp is left alone.
  QTemporaryDir home;
  qputenv("XDG_DATA_HOME", home.path().toUtf8());
  QDir(home.path()).mkdir("VARDELO24");
  QApplication application(argc, argv);

  app::Form1 window;
  window.Form_Load();
  window.show();
  QElapsedTimer timer;
  timer.start();
  if (!app::OpenPictureFile(window, app::Slot::ImageA, QString::fromLocal8Bit(argv[1]))) {
    std::fprintf(stderr, "pixmora-bench-window: cannot open %s\n", argv[1]);
    return 1;
  }
  QApplication::processEvents();
  std::printf("open image A: %.0f ms\n", Milliseconds(timer));

  QProgressBar* bar = window.Controls().ProgressBar3;
  for (int run = 0; run < runs; ++run) {
    std::set<int> values;
    QObject::connect(bar, &QProgressBar::valueChanged, &window, [&values](int v) { values.insert(v); });
    QEventLoop loop;
    QObject::connect(&window, &app::Form1::commandFinished, &loop, &QEventLoop::quit);
    timer.restart();
    window.RunOperation(Menu::Color, kGrayscale);
    loop.exec();
    window.Controls().Image1->repaint();  // painted, not only scheduled
    const double shown = Milliseconds(timer);
    QObject::disconnect(bar, &QProgressBar::valueChanged, &window, nullptr);
    QObject::disconnect(&window, &app::Form1::commandFinished, &loop, nullptr);
    std::printf("Grayscale, click to shown: %.0f ms (progress bar at %zu values)\n", shown,
                values.size());
  }
  std::printf("peak memory: window %ld MiB, decoder %ld MiB\n", PeakMiB(RUSAGE_SELF),
              PeakMiB(RUSAGE_CHILDREN));
  return 0;
}
