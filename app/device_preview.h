// Previews at the screen's own resolution. A preview surface is 256 x 256
// logical pixels; on a screen with two device pixels to one logical pixel it
// would be enlarged twice. When the preview is exactly a full-size picture
// fitted into the box, the same fitted drawing at the device's size shows the
// picture's own detail instead.
#pragma once
#include <QImage>

#include "core/picture_surface.h"

namespace pixmora::app {

// The picture fitted into shown's box at devicePixelRatio times its size, as
// an image of that ratio; null when the ratio is 1 or less, or when shown is
// not exactly fullSize fitted into it (another picture, or printed text).
QImage DevicePreview(const PictureSurface& shown, const Picture& fullSize, double devicePixelRatio);

}  // namespace pixmora::app
