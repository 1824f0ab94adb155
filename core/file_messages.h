// The one wording of a file that could not be read or written, shared by the
// window's status line and the batch tool's stderr so users meet one phrase.
#pragma once
#include <string>

namespace pixmora {

// "cannot read image A /home/me/x.png: damaged or not a picture"; role may be
// empty ("cannot read /x.png: why").
std::string CannotRead(const std::string& role, const std::string& path, const std::string& why);
// "image A /home/me/x.jpg: file is truncated; the missing part is grey": what
// a picture that was read all the same should be known by.
std::string PictureNote(const std::string& role, const std::string& path, const std::string& note);
// "cannot write /home/me/out.png: Read-only file system".
std::string CannotWrite(const std::string& path, const std::string& why);

}  // namespace pixmora
