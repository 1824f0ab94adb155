#include "core/file_messages.h"

namespace pixmora {

std::string PictureNote(const std::string& role, const std::string& path, const std::string& note) {
  return (role.empty() ? "" : role + " ") + path + ": " + note;
}

}  // namespace pixmora
