// pixmora: the picture editor's main window.
#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QStyleFactory>
#include <cstring>

#include "app/command_line.h"
#include "app/form1.h"
#include "app/user_settings.h"

namespace {

void NameTheProgram() {
  QCoreApplication::setOrganizationName(pixmora::app::kOrganisationName);
  QCoreApplication::setApplicationName(pixmora::app::kApplicationName);
  QCoreApplication::setApplicationVersion(PIXMORA_VERSION);
}

// --help and --version answer on the terminal without a window, so they work
// where there is no display (a window system is needed only to show one).
bool AsksOnlyForText(int argc, char** argv) {
  for (int i = 1; i < argc; ++i)
    for (const char* option : {"-h", "--help", "--help-all", "-v", "--version"})
      if (std::strcmp(argv[i], option) == 0) return true;
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (AsksOnlyForText(argc, argv)) {
    QCoreApplication text(argc, argv);
    NameTheProgram();
    QCommandLineParser parser;
    pixmora::app::DescribeCommandLine(parser);
    parser.process(text);  // prints and exits
  }
  QApplication app(argc, argv);
  NameTheProgram();
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
