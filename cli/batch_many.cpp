#include "cli/batch_many.h"

#include <algorithm>
#include <filesystem>
#include <set>

#include "cli/batch_pool.h"
#include "cli/batch_run.h"
#include "cli/command_line.h"
#include "core/paths_and_text.h"
#include "imageio/atomic_file.h"

namespace pixmora::cli {

namespace {

// Every output against everything the run reads: the pictures (--overwrite
// lets a result replace its own) and what every picture's run reads too.
Status CheckOutputs(const ManyRequest& request, const std::vector<std::string>& outputs) {
  std::vector<FileRead> reads = request.alsoRead;
  for (const std::string& image : request.images) reads.push_back({"the picture", image, true});
  const FilesReadGuard guard(std::move(reads));
  for (size_t i = 0; i < outputs.size(); ++i)
    if (Status free = guard.Check(outputs[i], request.overwrite, request.images[i]); !free) return free;
  return {};
}

}  // namespace

bool IsManyForm(const std::vector<std::string>& args) {
  return std::find(args.begin(), args.end(), "--out-dir") != args.end();
}

Result<ManyRequest> ParseMany(const std::vector<std::string>& args) {
  ManyRequest r;
  size_t i = 0;
  for (; i < args.size() && args[i] != "--"; ++i) {
    const std::string& arg = args[i];
    if (arg == "--overwrite") {
      r.overwrite = true;
    } else if (arg == "--out-dir" || arg == "--format" || arg == "--recipe") {
      if (i + 1 >= args.size()) return UsageError(arg + " needs a value");
      const std::string& value = args[++i];
      if (arg == "--out-dir") r.outDir = value;
      else if (arg == "--format") r.format = value;
      else r.recipe = std::filesystem::absolute(value).string();
    } else if (arg.rfind("--", 0) == 0) {
      return UsageError("with --out-dir, options go after '--' with the commands: " + arg);
    } else {
      r.images.push_back(arg);
    }
  }
  if (i >= args.size() && !r.recipe)
    return UsageError("with --out-dir, put '--' between the pictures and the commands");
  if (i < args.size()) r.stepsAndOptions.assign(args.begin() + static_cast<long>(i) + 1, args.end());
  if (r.recipe) r.stepsAndOptions.insert(r.stepsAndOptions.begin(), {"--recipe", *r.recipe});
  if (r.outDir.empty()) return UsageError("--out-dir needs a folder");
  if (r.images.empty()) return UsageError("no picture given to run on");
  if (r.format) {
    r.format = Lower(*r.format);
    if (!r.format->empty() && (*r.format)[0] == '.') r.format->erase(0, 1);
    if (!IsOutputExtension(*r.format))
      return UsageError("--format takes bmp, jpg, jpeg, png, tif or tiff, not '" + *r.format + "'");
  }
  // The commands and options are checked once, before any picture runs.
  std::vector<std::string> probe = {"in", "out.png"};
  probe.insert(probe.end(), r.stepsAndOptions.begin(), r.stepsAndOptions.end());
  Result<ApplyRequest> checked = ParseApply(probe);
  if (!checked) return std::unexpected(checked.error());
  for (FileRead& read : FilesRead(*checked))
    if (!read.startsARun) r.alsoRead.push_back(std::move(read));
  // Each run may then replace its own picture.
  if (r.overwrite) r.stepsAndOptions.push_back("--overwrite");
  if (r.outDir.back() != '/') r.outDir += '/';
  return r;
}

std::vector<std::string> OutputNames(const ManyRequest& request) {
  const size_t count = request.images.size();
  std::vector<std::string> stems(count), extensions(count), names(count);
  for (size_t i = 0; i < count; ++i) {
    stems[i] = StemOf(request.images[i]);
    const std::string own = Lower(ExtensionOf(request.images[i]));
    extensions[i] = request.format ? *request.format : IsOutputExtension(own) ? own : "png";
  }
  // Names that differ only in letter case are one file on some disks: they
  // count as the same. Each picture first gets its own name where that is
  // free; the others then take the first numbered name nobody has.
  std::set<std::string> taken;
  auto take = [&](size_t i, const std::string& name) {
    if (!taken.insert(Lower(name)).second) return false;
    names[i] = request.outDir + name;
    return true;
  };
  for (size_t i = 0; i < count; ++i) take(i, stems[i] + "." + extensions[i]);
  for (size_t i = 0; i < count; ++i)
    for (int n = 2; names[i].empty(); ++n) take(i, stems[i] + "-" + std::to_string(n) + "." + extensions[i]);
  return names;
}

Result<int> RunMany(const ManyRequest& request, const std::string& self) {
  std::error_code ec;
  std::filesystem::create_directories(request.outDir, ec);
  if (ec) return std::unexpected(CannotMakeFolder(request.outDir, ec.value()));
  const std::vector<std::string> outputs = OutputNames(request);
  if (Status free = CheckOutputs(request, outputs); !free) return std::unexpected(free.error());
  RemoveStaleTemporaryFiles(request.outDir);
  return RunPictures(request.images, outputs, request.stepsAndOptions, self);
}

}  // namespace pixmora::cli
