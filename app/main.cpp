// pixmora: the picture editor's main window.
#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QStyleFactory>

#include "app/command_line.h"
#include "app/form1.h"
#include "app/user_settings.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setOrganizationName(pixmora::app::kOrganisationName);
  QApplication::setApplicationName(pixmora::app::kApplicationName);
  QApplication::setApplicationVersion(PIXMORA_VERSION);
  // The desktop entry's id lets Wayland shells match the window to its menu
  // entry and icon; the themed icon serves X11 window managers.
  QGuiApplication::setDesktopFileName("org.pixmora.Pixmora");
  QApplication::setWindowIcon(QIcon::fromTheme("org.pixmora.Pixmora"));
  QCommandLineParser parser;
  pixmora::app::DescribeCommandLine(parser);
  parser.process(app);
  // One look on every desktop; the colour scheme file gives the colours.
  QApplication::setStyle(QStyleFactory::create("Fusion"));
  pixmora::app::Form1 window;
  window.Form_Load();
  pixmora::app::OpenStartFiles(window, parser.positionalArguments());
  window.show();
  return app.exec();
}
