#include "imageio/image_error.h"

namespace pixmora {

namespace {
constexpr const char* kBreak = "\r\n\r\n";
}

ImageError::ImageError(int number, std::string source, std::string description)
    : std::runtime_error(description.empty() ? "invalid picture" : description),
      number_(number),
      source_(std::move(source)),
      description_(std::move(description)) {}

ImageError ImageError::InvalidArgument(const std::string& specific) {
  return ImageError(5, "MFreeImage", std::string(kLeadText) + kBreak + specific);
}

ImageError ImageError::InvalidPicture(std::string detail) {
  ImageError e(481, "", "");
  e.detail_ = std::move(detail);
  return e;
}

std::string ImageError::Summary() const {
  if (number_ == 481) return detail_.empty() ? "damaged or not a picture" : detail_;
  const auto at = description_.find(kBreak);
  return at == std::string::npos ? description_ : description_.substr(at + 4);
}

}  // namespace pixmora
