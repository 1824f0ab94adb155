// The one wording of a note on a picture file that was read all the same,
// shared by the window's status line and the batch tool's stderr. What could
// not be read or written is a Failure (core/failure.h).
#pragma once
#include <string>

namespace pixmora {

// "image A /home/me/x.jpg: file is truncated; the missing part is grey": what
// a picture that was read all the same should be known by.
std::string PictureNote(const std::string& role, const std::string& path, const std::string& note);

}  // namespace pixmora
