// How every layer says that something could not be done: a function that can
// fail returns a Result<T> (the value, or a Failure) or a Status (nothing, or
// a Failure). A Failure is a value the caller words: the window shows its
// message as a notice, the batch tool prints it and exits with 1 or 2. Only
// what the program cannot go on from (memory running out inside a command)
// still travels as an exception.
#pragma once
#include <expected>
#include <string>
#include <utility>

namespace pixmora {

struct Failure {
  // What the caller needs to choose its reaction (the batch tool its exit status).
  enum class Kind {
    Usage,      // the request itself is wrong: an unknown word, a value out of range
    File,       // a file could not be read or written, or its content not used
    Resources,  // memory or a process the work needs could not be had
  };
  // Every member has an initializer, so that a failure names only what it knows: {.why = ...}.
  Kind kind = Kind::File;
  std::string action{};  // what was being done: "read", "write", "make the folder"; empty for a usage error
  std::string file{};    // what to: a path, or empty
  std::string why{};     // the system's words ("Permission denied") or ours ("not a picture")
  std::string role{};    // what the file is to the user ("image A"), when the caller knows it
  int code = 0;          // the system's error number when a system call failed, else 0

  // The line users read: "cannot read image A /home/me/x.png: Permission
  // denied"; a usage error is its why alone.
  std::string Message() const;
};

template <class T>
using Result = std::expected<T, Failure>;
using Status = std::expected<void, Failure>;

// The usual failures, ready to return as std::unexpected(...).
Failure UsageFailure(std::string why);
// A usage error ready to return.
inline std::unexpected<Failure> UsageError(std::string why) {
  return std::unexpected(UsageFailure(std::move(why)));
}
Failure CannotRead(std::string file, std::string why);
Failure CannotWrite(std::string file, std::string why);
// The same, in the system's words for its error number (errno; 0 counts as
// EIO, a call that failed without saying why).
Failure CannotRead(std::string file, int code);
Failure CannotWrite(std::string file, int code);
Failure CannotMakeFolder(std::string folder, int code);
// A file job that ran out of memory.
Failure NoMemory(std::string action, std::string file);

}  // namespace pixmora
