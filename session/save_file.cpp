#include "session/save_file.h"

#include "core/cancel_token.h"
#include "imageio/write_picture.h"

namespace pixmora {

SaveOutcome SaveResultFile(const Picture& result, const std::string& name, PictureFormat format,
                           bool secondPass, const SaveSettings& save) {
  SaveOutcome outcome;
  WriteOptions options;
  options.dpi = kSavedResolution;
  options.save = save;
  outcome.error = WritePictureFile(result, name, format, options);
  // A save cancelled meanwhile leaves the first write.
  if (!outcome.error.empty() || !secondPass || CancelScope::Cancelled()) return outcome;
  // The rewrite is atomic: when it fails, the first write stands.
  outcome.secondError = RewriteWithResolution(name, format, kSavedResolution, save);
  return outcome;
}

}  // namespace pixmora
