#include "core/picture_surface.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "core/resample.h"

namespace pixmora {

namespace {
// Metrics of the small sans-serif font the windows print with.
constexpr double kCharWidth = 7.0;
constexpr double kLineHeight = 15.0;
}  // namespace

PictureSurface::PictureSurface(int width, int height, ColorRef backColour)
    : BackColor(backColour), width_(width), height_(height) {
  ClearTo(width, height);
}

void PictureSurface::ReplaceImage(std::shared_ptr<const PixelBuffer> image) {
  image_ = std::move(image);
  clearedTo_.reset();
}

// A picture given up goes back to the large arrays' kept mappings, which
// serve this buffer (and any other surface's) without fresh page faults.
// Every caller fills it whole.
std::shared_ptr<const PixelBuffer> PictureSurface::FreshBuffer() {
  return std::make_shared<const PixelBuffer>(width_, height_, ForOverwrite{});
}

void PictureSurface::ClearTo(int width, int height) {
  const bool reuse = image_ && image_.use_count() == 1 && image_->Width() == width &&
                     image_->Height() == height;
  width_ = width;
  height_ = height;
  texts_.clear();
  if (!reuse) ReplaceImage(FreshBuffer());
  auto& cleared = const_cast<PixelBuffer&>(*image_);
  // An image cleared to that colour already is left as it is.
  if (clearedTo_ != BackColor) cleared.Fill(BackColor);
  cleared.SetAlpha(nullptr);
  clearedTo_ = BackColor;
}

void PictureSurface::SetSize(int width, int height) { ClearTo(width, height); }

void PictureSurface::SetPicture(Picture picture) {
  picture_ = picture;
  texts_.clear();
  if (!picture) {
    ClearTo(width_, height_);
    return;
  }
  if (AutoSize || (picture->Width() == width_ && picture->Height() == height_)) {
    width_ = picture->Width();
    height_ = picture->Height();
    ReplaceImage(std::move(picture));  // shared until the first write
    return;
  }
  ClearTo(width_, height_);
  PaintPicture(picture, 0, 0, picture->Width(), picture->Height());
}

Picture PictureSurface::Image() const { return image_; }

void PictureSurface::SetAlpha(Alpha alpha) {
  if (image_->GetAlpha() != alpha) MutableImage().SetAlpha(std::move(alpha));
}

PixelBuffer& PictureSurface::MutableImage() {
  clearedTo_.reset();
  if (image_.use_count() > 1) {
    auto copy = FreshBuffer();
    auto& pixels = const_cast<PixelBuffer&>(*copy);
    std::memcpy(pixels.Data(), image_->Data(), image_->Count() * sizeof(ColorRef));
    pixels.SetAlpha(image_->GetAlpha());
    image_ = std::move(copy);  // the shared picture lives on with its other owners
  }
  return const_cast<PixelBuffer&>(*image_);
}

Picture PictureSurface::DetachForOverwrite() {
  clearedTo_.reset();
  if (image_.use_count() <= 1) return nullptr;
  Picture shared = std::move(image_);
  image_ = FreshBuffer();
  const_cast<PixelBuffer&>(*image_).SetAlpha(shared->GetAlpha());
  return shared;
}

void PictureSurface::Cls() {
  CurrentX = CurrentY = 0;
  ClearTo(width_, height_);
}

PixelRect PictureSurface::PaintPicture(const Picture& picture, double x, double y, double w, double h) {
  if (!picture || picture->Count() == 0) return {};
  // At its own size over the whole surface the picture replaces every pixel:
  // it is shared until the next write instead of copied (when it brings no
  // other transparency with it).
  if (x == 0 && y == 0 && w == width_ && h == height_ && picture->Width() == width_ &&
      picture->Height() == height_ && picture->GetAlpha() == image_->GetAlpha()) {
    ReplaceImage(picture);
    return {0, 0, width_, height_};
  }
  return DrawScaled(*picture, MutableImage(), x, y, w, h);
}

void PictureSurface::Line(int x1, int y1, int x2, int y2, ColorRef colour, LineStyle style) {
  if (style == LineStyle::Line) {
    // Bresenham, painting both end points.
    const int dx = std::abs(x2 - x1), sx = x1 < x2 ? 1 : -1;
    const int dy = -std::abs(y2 - y1), sy = y1 < y2 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
      PSet(x1, y1, colour);
      if (x1 == x2 && y1 == y2) break;
      const int e2 = 2 * err;
      if (e2 >= dy) { err += dy; x1 += sx; }
      if (e2 <= dx) { err += dx; y1 += sy; }
    }
    return;
  }
  const int left = std::min(x1, x2), right = std::max(x1, x2);
  const int top = std::min(y1, y2), bottom = std::max(y1, y2);
  if (style == LineStyle::FilledBox) {
    for (int x = left; x <= right; ++x)
      for (int y = top; y <= bottom; ++y) PSet(x, y, colour);
    return;
  }
  for (int x = left; x <= right; ++x) {
    PSet(x, top, colour);
    PSet(x, bottom, colour);
  }
  for (int y = top; y <= bottom; ++y) {
    PSet(left, y, colour);
    PSet(right, y, colour);
  }
}

double PictureSurface::TextWidth(const std::string& text) const {
  return kCharWidth * static_cast<double>(text.size());
}

double PictureSurface::TextHeight(const std::string&) const { return kLineHeight; }

void PictureSurface::Print(const std::string& text) {
  texts_.push_back({CurrentX, CurrentY, text});
  CurrentX = 0;
  CurrentY += kLineHeight;
}

}  // namespace pixmora
