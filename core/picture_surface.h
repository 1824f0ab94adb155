// PictureSurface: a drawable picture held as a plain pixel buffer, with the
// members the operations and the window flows use. Reads outside the image
// answer kInvalidColour; writes outside it do nothing. The image keeps the
// transparency of the picture assigned: drawing changes colours only, and a
// cleared surface is opaque.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "core/picture.h"
#include "core/resample.h"

namespace pixmora {

enum class LineStyle { Line, Box, FilledBox };

struct PrintedText {
  double x, y;
  std::string text;
};

class PictureSurface {
 public:
  explicit PictureSurface(int width = 0, int height = 0, ColorRef backColour = 0xFFFFFF);

  int Width() const { return width_; }
  int Height() const { return height_; }
  // Resizes the surface (a layout change); the image is cleared to the back colour.
  void SetSize(int width, int height);

  ColorRef Point(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return kInvalidColour;
    return image_->At(x, y);
  }
  void PSet(int x, int y, ColorRef c) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    MutableImage().Set(x, y, c);
  }

  // The picture last assigned (without what was drawn since); null when empty.
  const Picture& GetPicture() const { return picture_; }
  // Replaces the current image. With AutoSize the surface takes the picture's
  // size; an empty picture clears the image and keeps the size.
  void SetPicture(Picture picture);
  // A snapshot of the current image, including every pixel drawn since.
  Picture Image() const;
  // Gives the image that transparency (null: opaque; else a plane of its size).
  void SetAlpha(Alpha alpha);

  bool AutoSize = true;
  ColorRef BackColor;

  void Cls();
  // Answers the pixels painted.
  PixelRect PaintPicture(const Picture& picture, double x, double y, double w, double h);
  void Line(int x1, int y1, int x2, int y2, ColorRef colour, LineStyle style);

  // Text output, kept beside the pixels so that a window can draw it with its own font.
  double CurrentX = 0, CurrentY = 0;
  double TextWidth(const std::string& text) const;
  double TextHeight(const std::string& text) const;
  void Print(const std::string& text);
  const std::vector<PrintedText>& Texts() const { return texts_; }

  // Direct pixel access for the operations' fast paths (column-major,
  // stride Height()). Writing detaches the image from any shared picture.
  PixelBuffer& MutableImage();
  // The same without the copy: when the image is shared, the surface takes a
  // buffer of undefined pixels and answers the shared picture, every pixel of
  // which the caller must copy or overwrite; null when nothing was shared.
  Picture DetachForOverwrite();
  const PixelBuffer* ImageBuffer() const { return image_.get(); }
  // The colour the image was cleared to, while nothing has been drawn on it
  // or put in its place since: every pixel is that colour.
  std::optional<ColorRef> ClearedTo() const { return clearedTo_; }

 private:
  void ClearTo(int width, int height);
  void ReplaceImage(std::shared_ptr<const PixelBuffer> image);
  // A writable buffer of the surface's size, its pixels undefined.
  std::shared_ptr<const PixelBuffer> FreshBuffer();

  int width_;
  int height_;
  Picture picture_;
  std::shared_ptr<const PixelBuffer> image_;  // never null
  std::optional<ColorRef> clearedTo_;
  std::vector<PrintedText> texts_;
};

}  // namespace pixmora
