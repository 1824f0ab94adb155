#include "windows/read_later.h"

#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>

#include "imageio/picture_files.h"
#include "windows/display_pool.h"

namespace pixmora::windows {

void ReadPictureLater(const std::string& path, QObject* context,
                      std::function<void(const Result<Picture>&)> done) {
  using Watcher = QFutureWatcher<Result<Picture>>;
  auto* watcher = new Watcher(context);
  QObject::connect(watcher, &Watcher::finished, context, [watcher, done = std::move(done)] {
    const Result<Picture> read = watcher->result();
    watcher->deleteLater();
    done(read);
  });
  watcher->setFuture(QtConcurrent::run(&DisplayPool(), [path] { return ReadChosenPicture(path); }));
}

}  // namespace pixmora::windows
