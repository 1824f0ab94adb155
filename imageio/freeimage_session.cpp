#include "imageio/freeimage_session.h"

#include <FreeImage.h>

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

}  // namespace

void EnsureFreeImage() {
  static std::once_flag once;
  std::call_once(once, [] {
    FreeImage_Initialise(FALSE);
    FreeImage_SetOutputMessage(OnFreeImageMessage);
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
