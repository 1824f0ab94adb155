// ImageError: what the picture-file layer raises. Number 5 (invalid argument)
// comes with source "MFreeImage" and a description that opens with kLeadText;
// number 481 (invalid picture) carries neither.
#pragma once
#include <stdexcept>
#include <string>

namespace pixmora {

inline constexpr const char* kLeadText = "The picture file layer could not complete the request.";

class ImageError : public std::runtime_error {
 public:
  ImageError(int number, std::string source, std::string description);

  // Error 5 from "MFreeImage": lead text, two line breaks, then the specific text.
  static ImageError InvalidArgument(const std::string& specific);
  // Error 481: the file is damaged or is not a picture. The detail (not part
  // of the error's description) says more when something more is known.
  static ImageError InvalidPicture(std::string detail = "");

  int Number() const { return number_; }
  const std::string& Source() const { return source_; }
  const std::string& Description() const { return description_; }
  // The specific part of the description, for one-line messages.
  std::string Summary() const;

 private:
  int number_;
  std::string source_;
  std::string description_;
  std::string detail_;
};

}  // namespace pixmora
