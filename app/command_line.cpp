#include "app/command_line.h"

#include <QCommandLineParser>
#include <QUrl>
#include <algorithm>
#include <iterator>

#include "app/open_commands.h"
#include "windows/translate.h"

namespace pixmora::app {

namespace {

constexpr Slot kStartSlots[] = {Slot::ImageA, Slot::ImageB};

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

void OpenStartFiles(CommandHost& host, const QStringList& files) {
  const qsizetype opened = std::min<qsizetype>(files.size(), std::size(kStartSlots));
  std::vector<FileToOpen> start;
  for (qsizetype i = 0; i < opened; ++i) start.push_back({kStartSlots[i], LocalPath(files[i])});
  OpenPictureFiles(host, start);
  // Said once the opening has begun, so that its own line does not cover it.
  QStringList unopened;
  for (qsizetype i = opened; i < files.size(); ++i) unopened << LocalPath(files[i]);
  if (!unopened.isEmpty())
    host.Report(windows::Tr("Only image A and image B open at start; left unopened: %1")
                    .arg(unopened.join(QStringLiteral(", "))));
}

}  // namespace pixmora::app
