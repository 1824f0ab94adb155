#include "imageio/freeimage_session.h"

#include <FreeImage.h>
#include <tiffio.h>

#include <cstdarg>
#include <cstdio>
#include <mutex>

#include "imageio/mfreeimage.h"

namespace pixmora {

namespace {

std::mutex& MessageMutex() {
  static std::mutex mutex;
  return mutex;
}

std::string& LastMessage() {
  static std::string message;
  return message;
}

void OnFreeImageMessage(FREE_IMAGE_FORMAT, const char* message) {
  RememberMessage(message ? message : "");
}

// The TIFF library writes its complaints on the terminal unless told
// otherwise; FreeImage asks it of every tag it knows no name for, on each
// read of a TIFF. Errors are kept as the file layer's last word; warnings
// change nothing a user could act on.
void OnTiffError(const char* module, const char* format, va_list args) {
  char text[256];
  std::vsnprintf(text, sizeof text, format, args);
  RememberMessage(module && *module ? std::string(module) + ": " + text : text);
}

void OnTiffWarning(const char*, const char*, va_list) {}

}  // namespace

void EnsureFreeImage() {
  static std::once_flag once;
  std::call_once(once, [] {
    FreeImage_Initialise(FALSE);
    FreeImage_SetOutputMessage(OnFreeImageMessage);
    TIFFSetErrorHandler(OnTiffError);
    TIFFSetWarningHandler(OnTiffWarning);
  });
}

void RememberMessage(const std::string& message) {
  std::lock_guard<std::mutex> lock(MessageMutex());
  LastMessage() = message;
}

std::string LastFileLayerMessage() {
  std::lock_guard<std::mutex> lock(MessageMutex());
  return LastMessage();
}

}  // namespace pixmora
