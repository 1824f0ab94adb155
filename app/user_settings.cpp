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

QString PicturesFolder() {
  const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
  return !pictures.isEmpty() && QFileInfo(pictures).isDir() ? pictures : QDir::homePath();
}

}  // namespace

QByteArray SavedWindowGeometry() {
  return QSettings(kOrganisationName, kApplicationName).value(kGeometryKey).toByteArray();
}

void SaveWindowGeometry(const QByteArray& geometry) {
  QSettings(kOrganisationName, kApplicationName).setValue(kGeometryKey, geometry);
}

QString RememberedFolder(bool saveDialog) {
  const QString folder =
      QSettings(kOrganisationName, kApplicationName).value(FolderKey(saveDialog)).toString();
  return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : PicturesFolder();
}

void RememberFolder(bool saveDialog, const QString& folder) {
  QSettings(kOrganisationName, kApplicationName).setValue(FolderKey(saveDialog), folder);
}

}  // namespace pixmora::app
