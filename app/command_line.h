// The editor's command line: --help, --version and up to two picture files,
// the first opened as image A and the second as image B (what a file
// manager's "Open with" passes).
#pragma once
#include <QStringList>

class QCommandLineParser;

namespace pixmora::app {

class CommandHost;

void DescribeCommandLine(QCommandLineParser& parser);

// Opens the files as choosing them in the image A and image B dialogs would;
// a file that cannot be opened is reported in the status bar and the window
// starts all the same. Arguments may be paths or file: URLs.
void OpenStartFiles(CommandHost& host, const QStringList& files);

}  // namespace pixmora::app
