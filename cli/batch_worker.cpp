#include "cli/batch_worker.h"

#include <cstdio>
#include <cstdlib>
#include <new>

#include "cli/batch_run.h"
#include "core/child_process.h"

namespace pixmora::cli {

namespace {

Status Apply(const std::vector<std::string>& args, int threads) {
  Result<ApplyRequest> request = ParseApply(args);
  if (!request) return std::unexpected(request.error());
  request->threads = threads;
  return RunApply(*request);
}

}  // namespace

int ExitWith(const Failure& failure) {
  std::fprintf(stderr, "pixmora-cli: %s\n", failure.Message().c_str());
  return failure.kind == Failure::Kind::Usage ? 2 : 1;
}

int ApplyOnePicture(const std::vector<std::string>& args, int threads) {
  try {
    const Status done = Apply(args, threads);
    return done ? 0 : ExitWith(done.error());
  } catch (const std::bad_alloc&) {
    return ExitWith(NoMemory("", ""));
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
