#include "core/show_fitted.h"

namespace pixmora {

void PaintFitted(const Picture& picture, PictureSurface& display) {
  const double wBox = display.Width(), hBox = display.Height();
  const double wPic = picture->Width(), hPic = picture->Height();
  const double rx = wBox / wPic, ry = hBox / hPic;
  const double s = rx < ry ? rx : ry;
  const double w = wPic * s, h = hPic * s;
  display.PaintPicture(picture, static_cast<float>((wBox - w) / 2),
                       static_cast<float>((hBox - h) / 2), w, h);
}

void ShowFitted(const std::string& path, PictureSurface& loader, PictureSurface& display,
                const PictureLoader& load) {
  ShowFittedPicture(load ? load(path) : nullptr, loader, display);
}

void ShowFittedPicture(const Picture& picture, PictureSurface& loader, PictureSurface& display) {
  display.Cls();
  loader.AutoSize = true;
  if (picture && picture->Count() > 0) {
    loader.SetPicture(picture);
    PaintFitted(picture, display);
    return;
  }
  loader.SetPicture(nullptr);
  const std::string message = kNoPreview;
  display.CurrentX = display.Width() / 2.0 - display.TextWidth(message) / 2;
  display.CurrentY = display.Height() / 2.0 - display.TextHeight(message) / 2;
  display.Print(message);
}

}  // namespace pixmora
