// The outcome of decoding one picture file: the picture, in the decoder's
// bitmap or straight in a picture, or why it could not be read.
#pragma once
#include <FreeImage.h>

#include <memory>
#include <string>

#include "core/failure.h"
#include "core/picture.h"
#include "imageio/bitmap.h"

namespace pixmora {

class JpegRows;

struct Decoded {
  int format = FIF_UNKNOWN;  // the format the content is in
  Bitmap bitmap;             // the pixels, unless they came into picture or are in rows
  Picture picture;
  // A JPEG whose rows are still to be decoded, a band at a time (see
  // jpeg_rows.h): the decoder process sends them on as they come.
  std::shared_ptr<JpegRows> rows;
  // What the user should know of a picture that was read all the same (a
  // file cut short), or empty.
  std::string note;
};

// A failure names the file, with the system's reason when the file could
// not be opened or read, else ours: "not a picture", "damaged", a size the
// program refuses.
using DecodeResult = Result<Decoded>;

// Why a file whose format is known did not decode, or crashed the decoder.
inline constexpr const char* kDamaged = "damaged";

}  // namespace pixmora
