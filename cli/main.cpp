// pixmora-cli: runs the editor's commands on picture files from scripts.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/batch_many.h"
#include "cli/batch_run.h"
#include "cli/batch_worker.h"
#include "core/paths_and_text.h"
#include "cli/help_text.h"

namespace {

// MENU:INDEX, the caption and the key of each command; with inputs, a fourth
// column names the options it reads ("strength,image-b"; "-" for none).
int List(bool inputs) {
  for (const pixmora::CatalogueEntry& e : pixmora::Catalogue()) {
    if (e.IsSeparator()) continue;
    std::printf("%s:%d\t%s\t%s", pixmora::MenuKey(e.menu), e.index, e.caption, e.key);
    if (inputs) {
      std::string options;
      for (const pixmora::InputInfo& info : pixmora::AllInputs())
        if (pixmora::Has(e.reads, info.input)) options += (options.empty() ? "" : ",") + std::string(info.option + 2);
      std::printf("\t%s", options.empty() ? "-" : options.c_str());
    }
    std::printf("\n");
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace pixmora::cli;
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return ExitWith(pixmora::UsageFailure("missing command (try --help)"));
  const std::string& command = args[0];
  if (command == kWorkerArgument) return RunWorker({args.begin() + 1, args.end()});
  if (command == "--help" || command == "-h" || command == "help") {
    std::fputs(kUsageText, stdout);
    std::fputs(kApplyHelpText, stdout);
    return 0;
  }
  if (command == "--version") {
    std::printf("pixmora-cli %s\n", PIXMORA_VERSION);
    return 0;
  }
  if (command == "list") {
    if (args.size() > 2 || (args.size() == 2 && args[1] != "--inputs"))
      return ExitWith(pixmora::UsageFailure("list takes only --inputs"));
    return List(args.size() == 2);
  }
  if (command != "apply")
    return ExitWith(pixmora::UsageFailure("unknown command '" + command + "' (try --help)"));
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  if (std::find(rest.begin(), rest.end(), "--help") != rest.end()) {
    std::fputs(kApplyHelpText, stdout);
    return 0;
  }
  if (!IsManyForm(rest)) return ApplyOnePicture(rest);
  const pixmora::Result<ManyRequest> request = ParseMany(rest);
  if (!request) return ExitWith(request.error());
  const pixmora::Result<int> status = RunMany(*request, pixmora::ProgramFolder() + "pixmora-cli");
  return status ? *status : ExitWith(status.error());
}
