// The quick way through a folder run's commonest case: a JPEG to a JPEG
// through commands whose every pixel depends on that pixel alone. The
// decoder's bands of rows go through the commands to the encoder as they
// come, and the picture is never held whole: the same file as the usual way,
// in about the time the JPEG library alone takes.
#pragma once
#include <functional>
#include <optional>
#include <string>

#include "cli/command_line.h"
#include "cli/stage_times.h"
#include "imageio/picture_format.h"

namespace pixmora::cli {

struct StreamedRun {
  // Set when the run was made this way (written or failed): its outcome.
  std::optional<Status> done;
  // Otherwise image A, when the decoder sent it whole (not a colour JPEG):
  // the usual way takes it from here rather than read it again.
  Picture imageA;
};

// Tries the request that way; report hears the picture's note.
StreamedRun RunStreamed(const ApplyRequest& request, PictureFormat format, StageTimes& times,
                        const std::function<void(const std::string&)>& report);

}  // namespace pixmora::cli
