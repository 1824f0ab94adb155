#include "core/failure.h"

#include <cerrno>
#include <cstring>

namespace pixmora {

namespace {

Failure FileFailure(std::string action, std::string file, std::string why) {
  return {.action = std::move(action), .file = std::move(file), .why = std::move(why)};
}

Failure SystemFailure(std::string action, std::string file, int code) {
  if (code == 0) code = EIO;
  Failure failure = FileFailure(std::move(action), std::move(file), std::strerror(code));
  failure.code = code;
  return failure;
}

}  // namespace

std::string Failure::Message() const {
  if (action.empty()) return why;
  std::string line = "cannot " + action;
  for (const std::string* part : {&role, &file})
    if (!part->empty()) line += " " + *part;
  return why.empty() ? line : line + ": " + why;
}

Failure UsageFailure(std::string why) { return {.kind = Failure::Kind::Usage, .why = std::move(why)}; }

Failure CannotRead(std::string file, std::string why) {
  return FileFailure("read", std::move(file), std::move(why));
}

Failure CannotWrite(std::string file, std::string why) {
  return FileFailure("write", std::move(file), std::move(why));
}

Failure CannotRead(std::string file, int code) { return SystemFailure("read", std::move(file), code); }

Failure CannotWrite(std::string file, int code) { return SystemFailure("write", std::move(file), code); }

Failure CannotMakeFolder(std::string folder, int code) {
  return SystemFailure("make the folder", std::move(folder), code);
}

Failure NoMemory(std::string action, std::string file) {
  return {.kind = Failure::Kind::Resources,
          .action = std::move(action),
          .file = std::move(file),
          .why = "not enough memory for this picture"};
}

}  // namespace pixmora
