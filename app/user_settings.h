// What the editor remembers between runs, in the user's configuration folder
// ($XDG_CONFIG_HOME/Pixmora/Pixmora.conf, ~/.config/... by default): the
// main window's size and place, the folders and filters the file dialogs
// were last left in, the save dialog's JPEG quality and PNG compression, the
// side panel's values, Live and Chain, the pictures last opened, and the
// preferences the design's files do not hold.
#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include "imageio/save_settings.h"

namespace pixmora::app {

inline constexpr const char* kOrganisationName = "Pixmora";
inline constexpr const char* kApplicationName = "Pixmora";

QByteArray SavedWindowGeometry();
void SaveWindowGeometry(const QByteArray& geometry);

// Open and save dialogs each remember their own folder. Before any is
// remembered (or once it is gone) they start in the user's Pictures folder,
// or in the home folder when there is none.
QString RememberedFolder(bool saveDialog);
void RememberFolder(bool saveDialog, const QString& folder);
// And the filter they were last left on (empty before any).
QString RememberedFilter(bool saveDialog);
void RememberFilter(bool saveDialog, const QString& filter);

// How the save dialog last said to encode a picture (the defaults before).
SaveSettings RememberedSaveSettings();
void RememberSaveSettings(const SaveSettings& settings);

// The side panel's values, in the order colour 1 and 2 (red, green, blue),
// strength, size; empty before any were kept.
QList<int> SavedValues();
void SaveValues(const QList<int>& values);

// How a toggle (Live, Chain) starts: as it was last left, or always on or
// off, as Preferences sets it.
enum class StartState { AsLeft, On, Off };
StartState LiveAtStart();
void SetLiveAtStart(StartState state);

// Whether Live starts on: as LiveAtStart says (off before it was ever
// turned on); SaveLive keeps how it was left.
bool SavedLive();
void SaveLive(bool on);

// The same for Chain.
StartState ChainAtStart();
void SetChainAtStart(StartState state);
bool SavedChain();
void SaveChain(bool on);

// The memory the history keeps pictures in, in MiB; 0: a share of the
// machine's, as the history chooses.
int HistoryMemoryMiB();
void SetHistoryMemoryMiB(int mebibytes);

// The pictures last opened, the latest first, at most ten.
QStringList RecentPictures();
void RememberRecentPicture(const QString& path);

}  // namespace pixmora::app
