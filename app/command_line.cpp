#include "app/command_line.h"

#include <QCommandLineParser>
#include <QUrl>
#include <algorithm>
#include <iterator>

#include "app/open_commands.h"

namespace pixmora::app {

namespace {

constexpr Form1::Slot kStartSlots[] = {Form1::Slot::ImageA, Form1::Slot::ImageB};

QString LocalPath(const QString& argument) {
  return argument.startsWith(QStringLiteral("file:")) ? QUrl(argument).toLocalFile() : argument;
}

}  // namespace

void DescribeCommandLine(QCommandLineParser& parser) {
  parser.setApplicationDescription(QStringLiteral("Pixmora, an editor for pictures and textures."));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addPositionalArgument(
      QStringLiteral("pictures"),
      QStringLiteral("Up to two picture files: the first opens as image A, the second as image B."),
      QStringLiteral("[IMAGE-A [IMAGE-B]]"));
}

void OpenStartFiles(Form1& window, const QStringList& files) {
  const qsizetype opened = std::min<qsizetype>(files.size(), std::size(kStartSlots));
  if (files.size() > opened)
    window.Report(QStringLiteral("Only image A and image B open at start: %1 more file(s) left unopened.")
                      .arg(files.size() - opened));
  for (qsizetype i = 0; i < opened; ++i) OpenPictureFile(window, kStartSlots[i], LocalPath(files[i]));
}

}  // namespace pixmora::app
