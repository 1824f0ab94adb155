// Copies of a picture for the screen, made away from the window's thread:
// the whole picture as a Qt image, or reduced by a factor, each pixel the
// average of the square of the picture it covers. They are the levels a view
// draws from. A picture with transparency gives premultiplied images with
// its alpha.
#pragma once
#include <QImage>

#include "core/picture.h"

namespace pixmora::windows {

// The picture reduced factor times (1: at its own size; a power of two, or
// else the one below it): each pixel the average of a factor x factor
// square, of fewer pixels along the right and bottom edges. A large picture
// is reduced on every core.
QImage ReducedImage(const PixelBuffer& pixels, int factor);

}  // namespace pixmora::windows
