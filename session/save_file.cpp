#include "session/save_file.h"

#include "core/cancel_token.h"
#include "imageio/write_picture.h"

namespace pixmora {

Status SaveResultFile(const Picture& result, const std::string& name, PictureFormat format,
                      bool secondPass, const SaveSettings& save) {
  WriteOptions options;
  options.dpi = kSavedResolution;
  options.save = save;
  if (Status first = WritePictureFile(result, name, format, options); !first) return first;
  // A save cancelled meanwhile leaves the first write.
  if (!secondPass || CancelScope::Cancelled()) return {};
  return FinishSavedFile(name, format, save);
}

Status FinishSavedFile(const std::string& name, PictureFormat format, const SaveSettings& save) {
  // The rewrite is atomic: when it fails, the first write stands.
  Status second = RewriteWithResolution(name, format, kSavedResolution, save);
  if (!second) second.error().why += " (the first write stands)";
  return second;
}

}  // namespace pixmora
