#include "windows/display_pool.h"

#include <QCoreApplication>

namespace pixmora::windows {

QThreadPool& DisplayPool() {
  // Owned by the application, which waits for its threads as it ends.
  static QThreadPool* pool = [] {
    auto* p = new QThreadPool(QCoreApplication::instance());
    p->setMaxThreadCount(2);
    return p;
  }();
  return *pool;
}

}  // namespace pixmora::windows
