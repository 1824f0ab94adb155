#include "session/history/stored_picture.h"

#include <cstdio>

namespace pixmora {

StoredPicture::StoredPicture(Picture picture)
    : picture_(std::move(picture)),
      width_(picture_ ? picture_->Width() : 0),
      height_(picture_ ? picture_->Height() : 0),
      bytes_(picture_ ? picture_->Count() * sizeof(ColorRef) : 0),
      identity_(picture_) {}

StoredPicture::~StoredPicture() {
  if (!file_.empty()) std::remove(file_.c_str());
}

Picture StoredPicture::Get() {
  if (picture_ || file_.empty()) return picture_;
  auto picture = std::make_shared<PixelBuffer>(width_, height_);
  FILE* in = std::fopen(file_.c_str(), "rb");
  const bool read = in && std::fread(picture->Data(), sizeof(ColorRef), picture->Count(), in) == picture->Count();
  if (in) std::fclose(in);
  if (!read) return nullptr;
  picture_ = std::move(picture);
  identity_ = picture_;
  std::remove(file_.c_str());
  file_.clear();
  return picture_;
}

bool StoredPicture::MoveToFile(const std::string& path) {
  if (!picture_) return true;
  FILE* out = std::fopen(path.c_str(), "wb");
  bool written = out && std::fwrite(picture_->Data(), sizeof(ColorRef), picture_->Count(), out) ==
                            picture_->Count();
  if (out) written = std::fclose(out) == 0 && written;
  if (!written) {
    std::remove(path.c_str());
    return false;
  }
  file_ = path;
  picture_.reset();
  return true;
}

}  // namespace pixmora
