// The window benchmarks give the editor a scratch data folder, so that the
// user's ps.bmp and history are left alone.
#pragma once
#include <QDir>
#include <QTemporaryDir>

namespace pixmora::bench {

inline void UseScratchDataFolder(const QTemporaryDir& home) {
  qputenv("XDG_DATA_HOME", home.path().toUtf8());
  QDir(home.path()).mkdir("VARDELO24");
}

}  // namespace pixmora::bench
