// The result written as "Save file" writes it: in its format with the
// resolution fields at 0 dots an inch, then read back and written once more
// so that the file carries them (a JPEG is compressed twice). The window's
// "Save file" and the batch tool's recipe replays both write this way, so
// the two give the same file.
#pragma once
#include <string>

#include "core/failure.h"
#include "core/picture.h"
#include "imageio/picture_format.h"
#include "imageio/save_settings.h"

namespace pixmora {

// No command changes it; saved files carry it.
inline constexpr int kSavedResolution = 0;

// The first write goes to name; with secondPass the file is then read back
// and written again. Both writes follow the save settings. When the second
// fails, the first stands, and the failure says so.
Status SaveResultFile(const Picture& result, const std::string& name, PictureFormat format,
                      bool secondPass, const SaveSettings& save = {});
// The second pass alone, on a file the first pass wrote.
Status FinishSavedFile(const std::string& name, PictureFormat format, const SaveSettings& save = {});

}  // namespace pixmora
