// Which format a save writes and under which name: the format the typed
// name's extension names (in any letter case) when it is one of the four,
// otherwise the one of the filter chosen, whose extension is then added. So
// "grey5.jpg" is a JPEG whatever the filter, and "tex" with the PNG filter is
// "tex.png"; no name gets a second extension.
#pragma once
#include <QString>

#include "imageio/picture_format.h"

namespace pixmora::app {

// The four formats' filters in the "Name(*.ext)|*.ext|" form, in the order
// of their 1-based filter index.
QString SaveFilter();

struct SaveTarget {
  PictureFormat format;
  QString path;
};

SaveTarget SaveTargetOf(const QString& typed, int filterIndex);

}  // namespace pixmora::app
