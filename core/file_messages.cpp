#include "core/file_messages.h"

namespace pixmora {

std::string CannotRead(const std::string& role, const std::string& path, const std::string& why) {
  return "cannot read " + (role.empty() ? "" : role + " ") + path + (why.empty() ? "" : ": " + why);
}

std::string PictureNote(const std::string& role, const std::string& path, const std::string& note) {
  return (role.empty() ? "" : role + " ") + path + ": " + note;
}

std::string CannotWrite(const std::string& path, const std::string& why) {
  return "cannot write " + path + ": " + why;
}

}  // namespace pixmora
