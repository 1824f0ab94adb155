// The batch tool run by the tests, each run with folders of its own.
#pragma once
#include <string>

#include "tests/support/test_pictures.h"

namespace pixmora::test {

// Runs the batch tool with its data and temporary data folders under
// dataHome; answers the exit code, with stderr in *err when given.
inline int RunCli(const std::string& dataHome, const std::string& arguments,
                  std::string* err = nullptr) {
  return RunCommand(
      "XDG_DATA_HOME='" + dataHome + "' TMPDIR='" + dataHome + "' '" PIXMORA_CLI "' " + arguments,
      err);
}

}  // namespace pixmora::test
