#include "cli/batch_run.h"

#include <cstdio>
#include <filesystem>
#include <set>

#include "cli/batch_stream.h"
#include "cli/stage_times.h"
#include "core/file_messages.h"
#include "core/flatten.h"
#include "core/paths_and_text.h"
#include "imageio/picture_files.h"
#include "imageio/write_picture.h"
#include "session/config/colour_scheme.h"
#include "session/config/folders.h"
#include "session/recipe/recipe_run.h"
#include "session/save_file.h"

namespace pixmora::cli {

namespace {

constexpr int kMaxSide = 32767;  // coordinates are 16-bit

// The user's own copy in the data folder, else the one shipped with the program.
std::string DefaultDataFile(const Folders& folders, const std::string& relative) {
  const std::string own = folders.data + relative;
  if (folders.shipped.empty() || std::filesystem::exists(own)) return own;
  return folders.shipped + relative;
}

// Reads the recipe's pictures in the decoder process and times the stages.
class BatchHost : public RecipeHost {
 public:
  Result<Picture> Read(Slot slot, const std::string& file) override {
    std::string note;
    Result<Picture> picture = slot == Slot::ImageA && readyImageA ? std::exchange(readyImageA, nullptr)
                                                                 : ReadChosenPicture(file, &note);
    if (!picture) {
      picture.error().role = SlotName(slot);
      return picture;
    }
    if (!note.empty()) report(PictureNote(SlotName(slot), file, note));
    const Picture& p = *picture;
    if (p->Width() > kMaxSide || p->Height() > kMaxSide)
      return std::unexpected(Failure{.action = "use",
                                     .file = file,
                                     .why = std::to_string(p->Width()) + " x " + std::to_string(p->Height()) +
                                            " pixels is larger than 32767 pixels a side",
                                     .role = SlotName(slot)});
    return picture;
  }
  void Stage(RecipeStage stage, const std::function<void()>& work) override {
    static constexpr cli::Stage kStages[] = {cli::Stage::Decode, cli::Stage::Command, cli::Stage::Publish};
    times.Time(kStages[static_cast<int>(stage)], work);
  }
  StageTimes times;
  std::function<void(const std::string&)> report;  // the session's notes
  Picture readyImageA;  // image A, already read
};

// The start pattern and shape, as the editor shows them after a start: a
// missing file leaves the surface empty, which the commands that read it are
// told of.
void LoadStartPictures(Workspace& ws, const Recipe& recipe) {
  PictureSurface preview(256, 256);
  ShowFitted(DefaultDataFile(ws.folders, "supporto/xxx.bmp"), ws.PatPic, preview, ws.platformLoader);
  ShowFitted(DefaultDataFile(ws.folders, "supporto/albero.bmp"), ws.Pic3, preview, ws.platformLoader);
  bool opened[2] = {false, false};
  for (const RecipeStep& step : recipe.steps) {
    if (step.kind == RecipeStep::Kind::Open && step.slot == Slot::Pattern) opened[0] = true;
    if (step.kind == RecipeStep::Kind::Open && step.slot == Slot::Shape) opened[1] = true;
    const CatalogueEntry* entry =
        step.kind == RecipeStep::Kind::Command ? FindEntry(step.menu, step.index) : nullptr;
    if (!entry) continue;
    if (Has(entry->reads, Input::Pattern) && !opened[0] && !ws.PatPic.GetPicture())
      ws.report("there is no pattern (" + DefaultDataFile(ws.folders, "supporto/xxx.bmp") +
                " is missing): give one with --pattern FILE");
    if (Has(entry->reads, Input::Shape) && !opened[1] && !ws.Pic3.GetPicture())
      ws.report("there is no shape (" + DefaultDataFile(ws.folders, "supporto/albero.bmp") +
                " is missing): give one with --shape FILE");
  }
}

// Once the last step has run only the result matters: the planes and the
// other pictures give their memory back before the encoder takes its own.
// The result is the snapshot "Save file" writes, which the last result
// handed on (a chained command's) leaves in place.
void KeepOnlyTheResult(Workspace& ws) {
  ws.m.planes.Resize(0, 0);
  for (PictureSurface* s : {&ws.Pic1, &ws.Pic2, &ws.Pic3, &ws.PatPic, &ws.Pic4}) *s = PictureSurface();
}

// --flatten lays the snapshot written onto its colour; otherwise a format
// that cannot keep its transparency is told of.
void FlattenForOutput(Workspace& ws, PictureFormat format, const ApplyRequest& request) {
  if (request.flatten) ws.imma.SetPicture(Flattened(ws.imma.Image(), *request.flatten));
  else if (ws.imma.Image()->GetAlpha() && !HoldsTransparency(format))
    ws.report("the result's transparency is lost in " + request.output +
              " (BMP and JPEG keep none): write PNG or TIFF, or lay it onto a colour with --flatten R,G,B");
}

Status WriteOutput(const PictureSurface& result, const std::string& path, PictureFormat format,
                   const ApplyRequest& request) {
  const Picture picture = result.Image();
  if (picture->Count() == 0) return std::unexpected(CannotWrite(path, "the result is empty"));
  if (request.writeAsSaved) return SaveResultFile(picture, path, format, true, request.save);
  WriteOptions options;
  options.save = request.save;
  return WritePictureFile(picture, path, format, options);
}

Status Finished(const Status& written, const ApplyRequest& request, const StageTimes& times) {
  if (written && request.timings) std::fprintf(stderr, "pixmora-cli: timings: %s\n", times.Summary().c_str());
  return written;
}

}  // namespace

bool IsOutputExtension(const std::string& e) {
  return e == "bmp" || e == "jpg" || e == "jpeg" || e == "png" || e == "tif" || e == "tiff";
}

Result<PictureFormat> OutputFormat(const std::string& path) {
  const std::string ext = Lower(ExtensionOf(path));
  if (ext == "bmp") return PictureFormat::Bmp;
  if (ext == "jpg" || ext == "jpeg") return PictureFormat::Jpeg;
  if (ext == "png") return PictureFormat::Png;
  if (ext == "tif" || ext == "tiff") return PictureFormat::Tiff;
  return UsageError("OUTPUT must end in .bmp, .jpg, .jpeg, .png, .tif or .tiff: " + path);
}

Status RunApply(const ApplyRequest& request) {
  const Result<PictureFormat> format = OutputFormat(request.output);
  if (!format) return std::unexpected(format.error());
  const FilesReadGuard reads(FilesRead(request));
  if (Status free = reads.Check(request.output, request.overwrite, request.imageA); !free) return free;
  Workspace ws;
  ws.folders = FindFolders(Program::BatchTool);
  ws.keepResultFile = false;
  if (request.threads > 0) ws.threads = request.threads;
  ws.SetHiddenBackColour(ReadColourScheme(ws.folders).back);
  // Nobody sees the result's preview here: on a surface without size,
  // publishing a result draws no preview and costs no pass over the picture.
  ws.Image1.SetSize(0, 0);
  // Every note reaches the user, each once.
  std::set<std::string> said;
  ws.report = [&said](const std::string& note) {
    if (said.insert(note).second) std::fprintf(stderr, "pixmora-cli: note: %s\n", note.c_str());
  };
  for (const std::string& note : request.notes) ws.report(note);
  BatchHost host;
  host.report = ws.report;
  StreamedRun streamed = RunStreamed(request, *format, host.times, ws.report);
  if (streamed.done) return Finished(*streamed.done, request, host.times);
  host.readyImageA = std::move(streamed.imageA);
  host.times.Time(Stage::Decode, [&] { LoadStartPictures(ws, request.recipe); });
  if (Status ran = RunRecipe(ws, request.recipe, host); !ran) return ran;
  FlattenForOutput(ws, *format, request);
  KeepOnlyTheResult(ws);
  Status written;
  host.times.Time(Stage::Encode,
                  [&] { written = WriteOutput(ws.imma, WrittenPath(request.output), *format, request); });
  return Finished(written, request, host.times);
}

}  // namespace pixmora::cli
