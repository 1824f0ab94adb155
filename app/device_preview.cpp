#include "app/device_preview.h"

#include <cmath>
#include <cstring>

#include "windows/qt_pictures.h"
#include "core/show_fitted.h"

namespace pixmora::app {

namespace {

bool SamePixels(const PixelBuffer& a, const PixelBuffer& b) {
  return a.Width() == b.Width() && a.Height() == b.Height() &&
         std::memcmp(a.Data(), b.Data(), a.Count() * sizeof(ColorRef)) == 0;
}

// fullSize fitted into a surface of the given size and back colour.
Picture Fitted(const Picture& fullSize, int width, int height, ColorRef back) {
  PictureSurface surface(width, height, back);
  PaintFitted(fullSize, surface);
  return surface.Image();
}

}  // namespace

QImage DevicePreview(const PictureSurface& shown, const Picture& fullSize, double devicePixelRatio) {
  if (devicePixelRatio <= 1 || !fullSize || fullSize->Count() == 0 || !shown.Texts().empty())
    return {};
  const Picture logical = Fitted(fullSize, shown.Width(), shown.Height(), shown.BackColor);
  if (!SamePixels(*logical, *shown.Image())) return {};
  const int width = static_cast<int>(std::ceil(shown.Width() * devicePixelRatio));
  const int height = static_cast<int>(std::ceil(shown.Height() * devicePixelRatio));
  QImage image = windows::ToQImage(*Fitted(fullSize, width, height, shown.BackColor));
  image.setDevicePixelRatio(devicePixelRatio);
  return image;
}

}  // namespace pixmora::app
