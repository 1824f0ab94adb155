// pixmora-probe-window [PICTURE]: how late the main window answers while its
// slow flows run. A thread outside the window posts it an event every 5 ms;
// each event notes how long it waited for the window's thread. The flows are
// started as a user starts them (menus, tool buttons, an answered file
// dialog, drags and the wheel on the large view), offscreen, on PICTURE as
// image A (by default the benchmarks' 6000 x 4000 photograph, written as a
// JPEG). Prints, for each flow, the time from click to done and the worst
// wait. The last flow opens a file with a decoder that never answers and
// presses Cancel.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QPushButton>
#include <QWheelEvent>
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
#include "windows/picture_view.h"
#include "bench/bench_picture.h"
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

// Drags across the view as a hand does, one move at a time.
void Drag(QWidget* view, int moves) {
  QPointF at = QRectF(view->rect()).center();
  QMouseEvent press(QEvent::MouseButtonPress, at, view->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QCoreApplication::sendEvent(view, &press);
  for (int i = 0; i < moves; ++i) {
    at += QPointF(i % 2 ? -7 : 5, 3);
    QMouseEvent move(QEvent::MouseMove, at, view->mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(view, &move);
    QCoreApplication::processEvents();
  }
  QMouseEvent release(QEvent::MouseButtonRelease, at, view->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QCoreApplication::sendEvent(view, &release);
}

void Wheel(QWidget* view, int delta) {
  const QPointF at = QRectF(view->rect()).center() + QPointF(80, 40);
  QWheelEvent wheel(at, view->mapToGlobal(at), {}, {0, delta}, Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(view, &wheel);
  QCoreApplication::processEvents();
}

}  // namespace

int main(int argc, char** argv) {
  using namespace pixmora;
  if (argc > 2 || (argc == 2 && argv[1][0] == '-')) {
    std::fprintf(stderr, "usage: pixmora-probe-window [PICTURE]\n");
    return 2;
  }
  // Scratch data and settings folders: the user's own are left alone.
  QTemporaryDir home;
  // Without a display: an offscreen screen of 1600 x 1000, the window maximised on it.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    QFile screens(home.path() + "/screens.json");
    screens.open(QIODevice::WriteOnly);
    screens.write(R"({"screens": [{"name": "probe", "x": 0, "y": 0, "width": 1600, "height": 1000,)"
                  R"( "logicalDpi": 96, "dpr": 1}]})");
    screens.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + screens.fileName()).toUtf8());
  }
  qputenv("XDG_DATA_HOME", home.path().toUtf8());
  qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toUtf8());
  QDir(home.path()).mkdir("VARDELO24");
  QApplication application(argc, argv);

  std::string picture = argc == 2 ? argv[1] : "";
  if (picture.empty()) {
    picture = (home.path() + "/photo.jpg").toStdString();
    if (const Status written = WritePictureFile(bench::Photo(), picture, PictureFormat::Jpeg); !written) {
      std::fprintf(stderr, "pixmora-probe-window: %s\n", written.error().Message().c_str());
      return 1;
    }
  }
  const QString out = home.path() + "/out";

  app::Form1 window;
  auto owned = std::make_unique<test::ScriptedDialog>();
  test::ScriptedDialog& dialog = *owned;
  window.SetDialog1(std::move(owned));
  window.Form_Load();
  window.showMaximized();

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
  const CatalogueEntry& grayscale = *FindByKey("grayscale");
  Measure("Grayscale (Color menu)", window, listener, [&] { window.RunOperation(grayscale.menu, grayscale.index); });
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
  Measure("the result large (View menu), fitted", window, listener, [&] { trigger("mnuViewResult"); });
  QWidget* view = window.Controls().largeView->viewport();
  Measure("large view at 100 %, dragged 40 times", window, listener, [&] {
    trigger("mnuActualSize");
    Drag(view, 40);
  });
  Measure("large view zoomed by 8 wheel notches, dragged", window, listener, [&] {
    for (int notch = 0; notch < 8; ++notch) Wheel(view, notch % 4 < 2 ? 120 : -120);
    for (int notch = 0; notch < 6; ++notch) Wheel(view, 120);
    Drag(view, 20);
  });
  Measure("large view fitted again, image A held in place", window, listener, [&] {
    trigger("mnuFit");
    trigger("mnuBefore");
    trigger("mnuBefore");
  });
  Measure("result handed on as image A (Load image (A))", window, listener,
          [&] { trigger("mnusalvaa"); });
  Measure("open image B, the PNG just saved", window, listener, [&] {
    answer(out + ".png", 1);
    trigger("mnuimmb");
  });
  const QString hang = home.path() + "/hang.sh";
  QFile script(hang);
  script.open(QIODevice::WriteOnly);
  script.write("#!/bin/sh\nexec sleep 600\n");
  script.close();
  script.setPermissions(QFileDevice::ExeOwner | QFileDevice::ReadOwner);
  qputenv("PIXMORA_DECODE", hang.toUtf8());
  Measure("an open that hangs, ended by Cancel after 1 s", window, listener, [&] {
    answer(QString::fromStdString(picture), 1);
    trigger("mnuimma");
    Spin(1000);
    window.Controls().cancelButton->click();
  });

  beating = false;
  beats.join();
  return 0;
}
