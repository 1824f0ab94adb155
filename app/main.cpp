// pixmora: the picture editor's main window.
#include <QApplication>
#include <QStyleFactory>

#include "app/form1.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Pixmora");
  QApplication::setApplicationVersion(PIXMORA_VERSION);
  // One look on every desktop; the colour scheme file gives the colours.
  QApplication::setStyle(QStyleFactory::create("Fusion"));
  pixmora::app::Form1 window;
  window.Form_Load();
  window.show();
  return app.exec();
}
