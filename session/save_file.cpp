#include "session/save_file.h"

#include "core/cancel_token.h"
#include "imageio/bitmap.h"
#include "imageio/mfreeimage.h"
#include "imageio/write_picture.h"

namespace pixmora {

SaveOutcome SaveResultFile(const Picture& result, const std::string& name, int format,
                           bool secondPass, int flags) {
  SaveOutcome outcome;
  WriteOptions options;
  options.dpi = kSavedResolution;
  options.flags = flags;
  outcome.error = WritePictureFile(result, name, format, options);
  // A save cancelled meanwhile leaves the first write.
  if (!outcome.error.empty() || !secondPass || CancelScope::Cancelled()) return outcome;
  const Bitmap again(LoadBitmap(format, name, 0));
  if (!again) return outcome;
  SetImageDpiX(again.get(), kSavedResolution);
  SetImageDpiY(again.get(), kSavedResolution);
  // The write is atomic: when it fails, the first write stands.
  if (!SaveBitmap(format, again.get(), name, flags)) outcome.secondError = LastFileLayerMessage();
  return outcome;
}

}  // namespace pixmora
