// Copies of a picture for the screen, made away from the window's thread:
// the whole picture as a Qt image, or reduced to half its size by averaging
// each square of four pixels. They are the levels a view draws from. A
// picture with transparency gives premultiplied images with its alpha.
#pragma once
#include <QImage>

#include "core/picture.h"

namespace pixmora::windows {

// The picture at its own size (factor 1) or at half (factor 2, the last odd
// row or column averaged with itself).
QImage ReducedImage(const PixelBuffer& pixels, int factor);

// An image of half the size, each pixel the average of four.
QImage HalfSize(const QImage& image);

}  // namespace pixmora::windows
