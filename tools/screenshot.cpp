// pixmora-screenshot OUTPUT.png [IMAGE_A [MENU:INDEX | strength=N | size=N ...]]:
// starts the main window as the user's start would, maximised, opens
// IMAGE_A, runs the given operation commands one after the other (a bar
// word turns Live on and moves that bar, so the last command follows it),
// shows the result large (image A when no command was given) with the
// pointer over its middle, and saves a picture of the window (for the
// documentation; scripts/make-screenshot, scripts/make-tour).
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMouseEvent>
#include <QPixmap>
#include <QScrollBar>
#include <QStyleFactory>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/form1.h"
#include "session/catalogue/catalogue.h"
#include "windows/picture_view.h"

namespace {

// The picture shown large, with the pointer over its middle so that the
// status bar names a pixel; the view's reduced copies are made meanwhile.
void ShowLarge(pixmora::app::Form1& window, const char* entry) {
  window.findChild<QAction*>(entry)->trigger();
  QWidget* view = window.Controls().largeView->viewport();
  const QPointF middle = QRectF(view->rect()).center();
  QMouseEvent move(QEvent::MouseMove, middle, view->mapToGlobal(middle), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QCoreApplication::sendEvent(view, &move);
  QElapsedTimer settling;
  settling.start();
  while (settling.elapsed() < 2000) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}

// Waits until the command or the live run has ended.
void Settle(pixmora::app::Form1& window) {
  while (window.Busy()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
}

// "size=7" or "strength=3": Live on, and the bar moved there.
bool MoveBar(pixmora::app::Form1& window, const std::string& word) {
  const auto equals = word.find('=');
  if (equals == std::string::npos) return false;
  const std::string name = word.substr(0, equals);
  QScrollBar* bar = name == "strength" ? window.Controls().HScroll1
                    : name == "size"   ? window.Controls().HScroll2
                                       : nullptr;
  if (!bar) return false;
  window.findChild<QAction*>("mnuLive")->setChecked(true);
  bar->setValue(std::atoi(word.c_str() + equals + 1));
  Settle(window);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setStyle(QStyleFactory::create("Fusion"));
  if (argc < 2) {
    std::fprintf(stderr, "usage: pixmora-screenshot OUTPUT.png [IMAGE_A [KEY ...]]\n");
    return 2;
  }
  pixmora::app::Form1 window;
  window.Form_Load();
  window.showMaximized();
  if (argc > 2) window.ShowPicture(pixmora::Slot::ImageA, argv[2]);
  for (int i = 3; i < argc; ++i) {
    if (MoveBar(window, argv[i])) continue;
    const pixmora::CatalogueEntry* command = pixmora::FindByKey(argv[i]);
    if (!command || !command->run) {
      std::fprintf(stderr, "pixmora-screenshot: not a command: %s (try grayscale)\n", argv[i]);
      return 2;
    }
    QEventLoop wait;
    QObject::connect(&window, &pixmora::app::Form1::commandFinished, &wait, &QEventLoop::quit);
    window.RunOperation(command->menu, command->index);
    if (window.Busy()) wait.exec();
  }
  ShowLarge(window, argc > 3 ? "mnuViewResult" : "mnuViewImageA");
  if (!window.grab().save(argv[1])) {
    std::fprintf(stderr, "pixmora-screenshot: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
