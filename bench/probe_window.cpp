// pixmora-probe-window [PICTURE]: how late the main window answers while its
// slow flows run. A thread outside the window posts it an event every 5 ms;
// each event notes how long it waited for the window's thread. The flows are
// started as a user starts them (menus, tool buttons, an answered file
// dialog), offscreen, on PICTURE as image A (by default the benchmarks'
// 6000 x 4000 photograph, written as a JPEG). Prints, for each flow, the
// time from click to done and the worst wait.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QSlider>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QToolButton>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>

#include "app/form1.h"
#include "bench/bench_picture.h"
#include "imageio/mfreeimage.h"
#include "imageio/write_picture.h"
#include "tests/app/scripted_dialog.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kBeat = std::chrono::milliseconds(5);
// Time left after a flow ends for what it set off (repaints, rescaled copies).
constexpr int kSettleMs = 400;

class Beat : public QEvent {
 public:
  Beat() : QEvent(QEvent::User), sent(Clock::now()) {}
  const Clock::time_point sent;
};

// Receives the beats on the window's thread and keeps the worst wait.
class Listener : public QObject {
 public:
  double worstMs = 0;

 protected:
  bool event(QEvent* e) override {
    if (e->type() != QEvent::User) return QObject::event(e);
    const auto waited = Clock::now() - static_cast<Beat*>(e)->sent;
    worstMs = std::max(worstMs, std::chrono::duration<double, std::milli>(waited).count());
    return true;
  }
};

void Spin(int ms) {
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

// Starts a flow, waits until the window is idle again and has settled, and
// prints the click-to-done time and the worst wait of a beat meanwhile.
void Measure(const char* name, pixmora::app::Form1& window, Listener& listener,
             const std::function<void()>& start) {
  Spin(100);
  listener.worstMs = 0;
  QElapsedTimer timer;
  timer.start();
  start();
  QCoreApplication::processEvents();
  while (window.Busy()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
  const double doneMs = timer.nsecsElapsed() / 1e6;
  Spin(kSettleMs);
  std::printf("%-44s done after %6.0f ms, worst wait %6.1f ms\n", name, doneMs, listener.worstMs);
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace pixmora;
  if (argc > 2 || (argc == 2 && argv[1][0] == '-')) {
    std::fprintf(stderr, "usage: pixmora-probe-window [PICTURE]\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Scratch data and settings folders: the user's own are left alone.
  QTemporaryDir home;
  qputenv("XDG_DATA_HOME", home.path().toUtf8());
  qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toUtf8());
  QDir(home.path()).mkdir("VARDELO24");
  QApplication application(argc, argv);

  std::string picture = argc == 2 ? argv[1] : "";
  if (picture.empty()) {
    picture = (home.path() + "/photo.jpg").toStdString();
    const std::string why = WritePictureFile(bench::Photo(), picture, kFormatJpeg);
    if (!why.empty()) {
      std::fprintf(stderr, "pixmora-probe-window: %s\n", why.c_str());
      return 1;
    }
  }
  const QString out = home.path() + "/out";

  app::Form1 window;
  auto owned = std::make_unique<test::ScriptedDialog>();
  test::ScriptedDialog& dialog = *owned;
  window.SetDialog1(std::move(owned));
  window.Form_Load();
  window.show();

  Listener listener;
  std::atomic<bool> beating{true};
  std::thread beats([&] {
    while (beating) {
      QCoreApplication::postEvent(&listener, new Beat);
      std::this_thread::sleep_for(kBeat);
    }
  });

  const auto trigger = [&](const char* action) { window.findChild<QAction*>(action)->trigger(); };
  const auto answer = [&](const QString& path, int filter) { dialog.answers.push_back({path, filter}); };
  Measure("idle", window, listener, [] {});
  Measure("open image A (File > Open > Image (a))", window, listener, [&] {
    answer(QString::fromStdString(picture), 1);
    trigger("mnuimma");
  });
  Measure("Grayscale (Color menu)", window, listener, [&] { trigger("mnuCol(21)"); });
  Measure("rotation slider to 1", window, listener, [&] {
    window.Controls().Slider1->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  });
  Measure("save PNG (File > Save > Save file)", window, listener, [&] {
    answer(out + ".png", 3);
    trigger("mnusalva");
  });
  Measure("save TIFF", window, listener, [&] {
    answer(out + ".tif", 4);
    trigger("mnusalva");
  });
  Measure("save JPEG", window, listener, [&] {
    answer(out + ".jpg", 2);
    trigger("mnusalva");
  });
  Measure("preview window of the result (tool button 2)", window, listener,
          [&] { window.Controls().Image5[2]->click(); });
  Measure("result handed on as image A (Load image (A))", window, listener,
          [&] { trigger("mnusalvaa"); });
  Measure("open image B, the PNG just saved", window, listener, [&] {
    answer(out + ".png", 1);
    trigger("mnuimmb");
  });

  beating = false;
  beats.join();
  return 0;
}
