// A colour JPEG file decoded a band of rows at a time by the JPEG library
// itself, set as FreeImage's reader sets it by default (the fast integer
// transform, the colour upsampled plainly), so that the pixels are the same:
// the decoder process sends each band on as it comes, and no bitmap of the
// whole picture is made. Only three-channel YCbCr files, nearly every
// photograph, take this way; FreeImage reads every other file.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

namespace pixmora {

class JpegRows {
 public:
  // Null when the file is not such a JPEG or its header cannot be read.
  static std::shared_ptr<JpegRows> Open(const std::string& path);
  ~JpegRows();
  JpegRows(const JpegRows&) = delete;
  JpegRows& operator=(const JpegRows&) = delete;

  int Width() const;
  int Height() const;
  // The resolution as FreeImage reads it from the header (0 when none).
  uint32_t DotsPerMeterX() const;
  uint32_t DotsPerMeterY() const;
  // Decodes the next count rows, top down, into rows as the picture's own
  // colours: red, green, blue and a fourth byte to ignore. False once the
  // file turned out damaged past what the library repairs.
  bool Read(uint32_t* const* rows, int count);
  // After the last row: whether the file was cut short (the library then
  // fills the rest with grey, as FreeImage's reader shows it).
  bool CutShort() const;

  struct State;  // the library's decoder, opaque outside

 private:
  explicit JpegRows(std::unique_ptr<State> state);
  std::unique_ptr<State> s_;
};

}  // namespace pixmora
