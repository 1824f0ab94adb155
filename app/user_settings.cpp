#include "app/user_settings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <algorithm>

namespace pixmora::app {

namespace {

const QString kGeometryKey = QStringLiteral("MainWindow/geometry");
const QString kValuesKey = QStringLiteral("MainWindow/values");
const QString kRecentKey = QStringLiteral("RecentPictures/files");
const QString kLiveKey = QStringLiteral("MainWindow/live");
const QString kQualityKey = QStringLiteral("FileDialog/jpegQuality");
const QString kCompressionKey = QStringLiteral("FileDialog/pngCompression");
const QString kChainKey = QStringLiteral("MainWindow/chain");
const QString kHistoryMemoryKey = QStringLiteral("History/memoryMiB");
constexpr qsizetype kRecentCount = 10;

QString FolderKey(bool saveDialog) {
  return saveDialog ? QStringLiteral("FileDialog/saveFolder") : QStringLiteral("FileDialog/openFolder");
}

QString FilterKey(bool saveDialog) {
  return saveDialog ? QStringLiteral("FileDialog/saveFilter") : QStringLiteral("FileDialog/openFilter");
}

QSettings Settings() { return QSettings(kOrganisationName, kApplicationName); }

// A toggle's start, kept beside the toggle's own key: "MainWindow/liveAtStart".
StartState AtStart(const QString& toggleKey) {
  const int state = Settings().value(toggleKey + QStringLiteral("AtStart"), 0).toInt();
  return state == int(StartState::On) || state == int(StartState::Off) ? StartState(state) : StartState::AsLeft;
}

void SetAtStart(const QString& toggleKey, StartState state) {
  Settings().setValue(toggleKey + QStringLiteral("AtStart"), int(state));
}

bool StartsOn(const QString& toggleKey) {
  const StartState state = AtStart(toggleKey);
  return state == StartState::AsLeft ? Settings().value(toggleKey, false).toBool() : state == StartState::On;
}

QString PicturesFolder() {
  const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
  return !pictures.isEmpty() && QFileInfo(pictures).isDir() ? pictures : QDir::homePath();
}

}  // namespace

QByteArray SavedWindowGeometry() { return Settings().value(kGeometryKey).toByteArray(); }

void SaveWindowGeometry(const QByteArray& geometry) { Settings().setValue(kGeometryKey, geometry); }

QString RememberedFolder(bool saveDialog) {
  const QString folder = Settings().value(FolderKey(saveDialog)).toString();
  return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : PicturesFolder();
}

void RememberFolder(bool saveDialog, const QString& folder) {
  Settings().setValue(FolderKey(saveDialog), folder);
}

QString RememberedFilter(bool saveDialog) { return Settings().value(FilterKey(saveDialog)).toString(); }

void RememberFilter(bool saveDialog, const QString& filter) {
  Settings().setValue(FilterKey(saveDialog), filter);
}

SaveSettings RememberedSaveSettings() {
  const QSettings settings = Settings();
  SaveSettings save;
  save.jpegQuality = std::clamp(settings.value(kQualityKey, 0).toInt(), 0, 100);
  PngCompressionFromWord(settings.value(kCompressionKey).toString().toStdString(), save.pngCompression);
  return save;
}

void RememberSaveSettings(const SaveSettings& save) {
  QSettings settings = Settings();
  settings.setValue(kQualityKey, save.jpegQuality);
  settings.setValue(kCompressionKey, QString::fromLatin1(PngCompressionWord(save.pngCompression)));
}

QList<int> SavedValues() {
  QList<int> values;
  for (const QVariant& v : Settings().value(kValuesKey).toList()) values << v.toInt();
  return values;
}

void SaveValues(const QList<int>& values) {
  QVariantList list;
  for (int v : values) list << v;
  Settings().setValue(kValuesKey, list);
}

StartState LiveAtStart() { return AtStart(kLiveKey); }

void SetLiveAtStart(StartState state) { SetAtStart(kLiveKey, state); }

bool SavedLive() { return StartsOn(kLiveKey); }

void SaveLive(bool on) { Settings().setValue(kLiveKey, on); }

int HistoryMemoryMiB() { return Settings().value(kHistoryMemoryKey, 0).toInt(); }

void SetHistoryMemoryMiB(int mebibytes) { Settings().setValue(kHistoryMemoryKey, mebibytes); }

StartState ChainAtStart() { return AtStart(kChainKey); }

void SetChainAtStart(StartState state) { SetAtStart(kChainKey, state); }

bool SavedChain() { return StartsOn(kChainKey); }

void SaveChain(bool on) { Settings().setValue(kChainKey, on); }

QStringList RecentPictures() { return Settings().value(kRecentKey).toStringList(); }

void RememberRecentPicture(const QString& path) {
  const QString file = QFileInfo(path).absoluteFilePath();
  QStringList files = RecentPictures();
  files.removeAll(file);
  files.prepend(file);
  Settings().setValue(kRecentKey, files.mid(0, kRecentCount));
}

}  // namespace pixmora::app
