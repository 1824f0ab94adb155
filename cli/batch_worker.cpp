#include "cli/batch_worker.h"

#include <cstdio>
#include <cstdlib>
#include <new>

#include "cli/batch_run.h"
#include "core/child_process.h"

namespace pixmora::cli {

namespace {

int Fail(int code, const std::string& message) {
  std::fprintf(stderr, "pixmora-cli: %s\n", message.c_str());
  return code;
}

}  // namespace

int ApplyOnePicture(const std::vector<std::string>& args, int threads) {
  try {
    ApplyRequest request = ParseApply(args);
    request.threads = threads;
    RunApply(request);
    return 0;
  } catch (const UsageError& e) {
    return Fail(2, e.message);
  } catch (const RunError& e) {
    return Fail(e.exitCode, e.message);
  } catch (const std::bad_alloc&) {
    return Fail(1, "not enough memory for this picture");
  }
}

int RunWorker(const std::vector<std::string>& args) {
  if (args.empty()) return 2;
  const int threads = std::atoi(args[0].c_str());
  std::string input, output;
  while (ReadRequestField(input) && ReadRequestField(output)) {
    std::vector<std::string> picture = {input, output};
    picture.insert(picture.end(), args.begin() + 1, args.end());
    const int status = ApplyOnePicture(picture, threads);
    std::fprintf(stderr, "%c%d\n", kEndOfPicture, status);
    std::fflush(stderr);
  }
  return 0;
}

}  // namespace pixmora::cli
