// The threads that make what the windows show: reduced copies of pictures
// and texture thumbnails. Apart from the commands' threads, so that a view
// never waits behind a command, and few, so that they leave the commands room.
#pragma once
#include <QThreadPool>

namespace pixmora::windows {

QThreadPool& DisplayPool();

}  // namespace pixmora::windows
