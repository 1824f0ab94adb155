// pixmora-screenshot OUTPUT.png [IMAGE_A [MENU:INDEX ...]]: starts the main
// window as the user's start would, maximised, opens IMAGE_A, runs the given
// operation commands one after the other, shows the result large (image A
// when no command was given) with the pointer over its middle, and saves a
// picture of the window (for the documentation; scripts/make-screenshot).
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMouseEvent>
#include <QPixmap>
#include <QStyleFactory>
#include <cstdio>
#include <string>

#include "app/form1.h"
#include "session/catalogue/catalogue.h"
#include "windows/picture_view.h"

namespace {

bool ParseCommand(const std::string& text, pixmora::Menu& menu, int& index) {
  const auto colon = text.find(':');
  if (colon == std::string::npos || !pixmora::MenuFromKey(text.substr(0, colon), menu)) return false;
  try {
    index = std::stoi(text.substr(colon + 1));
  } catch (const std::exception&) {
    return false;
  }
  return pixmora::FindEntry(menu, index) != nullptr;
}

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

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setStyle(QStyleFactory::create("Fusion"));
  if (argc < 2) {
    std::fprintf(stderr, "usage: pixmora-screenshot OUTPUT.png [IMAGE_A [MENU:INDEX ...]]\n");
    return 2;
  }
  pixmora::app::Form1 window;
  window.Form_Load();
  window.showMaximized();
  if (argc > 2) window.ShowPicture(pixmora::app::Slot::ImageA, argv[2]);
  for (int i = 3; i < argc; ++i) {
    pixmora::Menu menu;
    int index;
    if (!ParseCommand(argv[i], menu, index)) {
      std::fprintf(stderr, "pixmora-screenshot: not a command: %s (try color:21)\n", argv[i]);
      return 2;
    }
    QEventLoop wait;
    QObject::connect(&window, &pixmora::app::Form1::commandFinished, &wait, &QEventLoop::quit);
    window.RunOperation(menu, static_cast<int16_t>(index));
    if (window.Busy()) wait.exec();
  }
  ShowLarge(window, argc > 3 ? "mnuViewResult" : "mnuViewImageA");
  if (!window.grab().save(argv[1])) {
    std::fprintf(stderr, "pixmora-screenshot: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
