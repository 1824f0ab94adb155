// Exchange between the engine's pictures and Qt's colours and images. Picture
// files are never read here: they are decoded in the decoder process.
#pragma once
#include <QColor>
#include <QImage>

#include "core/picture.h"

namespace pixmora::windows {

QColor ToQColor(ColorRef colour);

QImage ToQImage(const PixelBuffer& pixels);

}  // namespace pixmora::windows
