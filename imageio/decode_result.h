// The outcome of decoding one picture file, as the decoder process reports it.
#pragma once
#include <FreeImage.h>

#include <string>

namespace pixmora {

enum class DecodeStatus {
  Ok,            // bitmap holds the picture
  UnknownFormat, // the content matches no format
  NotReadable,   // the format is known but cannot be read
  Damaged,       // the decoder failed, crashed, ran too long or used too much memory
  TooLarge,      // the picture claims more pixels than the program handles
};

struct DecodeResult {
  DecodeStatus status = DecodeStatus::Damaged;
  int format = FIF_UNKNOWN;
  FIBITMAP* bitmap = nullptr;  // owned by the receiver when status is Ok
  // A few words for TooLarge and Damaged (empty when nothing more is known);
  // for Ok, what the user should know of the picture (a file cut short).
  std::string message;
};

}  // namespace pixmora
