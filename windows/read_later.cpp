#include "windows/read_later.h"

#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>
#include <utility>

#include "imageio/picture_files.h"
#include "windows/display_pool.h"

namespace pixmora::windows {

void ReadPictureLater(const std::string& path, QObject* context,
                      std::function<void(const Picture&, const std::string&)> done) {
  using Read = std::pair<Picture, std::string>;
  auto* watcher = new QFutureWatcher<Read>(context);
  QObject::connect(watcher, &QFutureWatcher<Read>::finished, context, [watcher, done = std::move(done)] {
    const Read read = watcher->result();
    watcher->deleteLater();
    done(read.first, read.second);
  });
  watcher->setFuture(QtConcurrent::run(&DisplayPool(), [path]() -> Read {
    std::string why;
    Picture picture = ReadChosenPicture(path, why);
    return {std::move(picture), why};
  }));
}

}  // namespace pixmora::windows
