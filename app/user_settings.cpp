#include "app/user_settings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace pixmora::app {

namespace {

const QString kGeometryKey = QStringLiteral("MainWindow/geometry");

QString FolderKey(bool saveDialog) {
  return saveDialog ? QStringLiteral("FileDialog/saveFolder") : QStringLiteral("FileDialog/openFolder");
}

QString FilterKey(bool saveDialog) {
  return saveDialog ? QStringLiteral("FileDialog/saveFilter") : QStringLiteral("FileDialog/openFilter");
}

QSettings Settings() { return QSettings(kOrganisationName, kApplicationName); }

QString PicturesFolder() {
  const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
  return !pictures.isEmpty() && QFileInfo(pictures).isDir() ? pictures : QDir::homePath();
}

}  // namespace

QByteArray SavedWindowGeometry() {
  return Settings().value(kGeometryKey).toByteArray();
}

void SaveWindowGeometry(const QByteArray& geometry) {
  Settings().setValue(kGeometryKey, geometry);
}

QString RememberedFolder(bool saveDialog) {
  const QString folder =
      Settings().value(FolderKey(saveDialog)).toString();
  return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : PicturesFolder();
}

void RememberFolder(bool saveDialog, const QString& folder) {
  Settings().setValue(FolderKey(saveDialog), folder);
}

QString RememberedFilter(bool saveDialog) { return Settings().value(FilterKey(saveDialog)).toString(); }

void RememberFilter(bool saveDialog, const QString& filter) {
  Settings().setValue(FilterKey(saveDialog), filter);
}

}  // namespace pixmora::app
