#include "cli/batch_worker.h"

#include <cstdio>
#include <new>

#include "cli/batch_run.h"

namespace pixmora::cli {

namespace {

int Fail(int code, const std::string& message) {
  std::fprintf(stderr, "pixmora-cli: %s\n", message.c_str());
  return code;
}

// One field of a job, up to its NUL; false at the end of the input.
bool ReadField(std::string& field) {
  field.clear();
  for (int c; (c = std::getchar()) != EOF;) {
    if (c == '\0') return true;
    field += static_cast<char>(c);
  }
  return false;
}

}  // namespace

int ApplyOnePicture(const std::vector<std::string>& args) {
  try {
    RunApply(ParseApply(args));
    return 0;
  } catch (const UsageError& e) {
    return Fail(2, e.message);
  } catch (const RunError& e) {
    return Fail(e.exitCode, e.message);
  } catch (const std::bad_alloc&) {
    return Fail(1, "not enough memory for this picture");
  }
}

int RunWorker(const std::vector<std::string>& stepsAndOptions) {
  std::string input, output;
  while (ReadField(input) && ReadField(output)) {
    std::vector<std::string> args = {input, output};
    args.insert(args.end(), stepsAndOptions.begin(), stepsAndOptions.end());
    const int status = ApplyOnePicture(args);
    std::fprintf(stderr, "%c%d\n", kEndOfPicture, status);
    std::fflush(stderr);
  }
  return 0;
}

}  // namespace pixmora::cli
