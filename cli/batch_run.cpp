#include "cli/batch_run.h"

#include <cstdio>
#include <filesystem>
#include <set>

#include "cli/stage_times.h"
#include "core/file_messages.h"
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
  Picture Read(Slot slot, const std::string& file) override {
    std::string why, note;
    Picture picture = ReadChosenPicture(file, why, &note);
    if (!picture) throw RunError{1, CannotRead(SlotName(slot), file, why)};
    if (!note.empty()) report(PictureNote(SlotName(slot), file, note));
    if (picture->Width() > kMaxSide || picture->Height() > kMaxSide)
      throw RunError{1, "cannot use " + std::string(SlotName(slot)) + " " + file + ": " +
                            std::to_string(picture->Width()) + " x " +
                            std::to_string(picture->Height()) +
                            " pixels is larger than 32767 pixels a side"};
    return picture;
  }
  void Stage(RecipeStage stage, const std::function<void()>& work) override {
    static constexpr cli::Stage kStages[] = {cli::Stage::Decode, cli::Stage::Command, cli::Stage::Publish};
    times.Time(kStages[static_cast<int>(stage)], work);
  }
  StageTimes times;
  std::function<void(const std::string&)> report;  // the session's notes
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
void KeepOnlyTheResult(Workspace& ws) {
  ws.m.planes.Resize(0, 0);
  for (PictureSurface* s : {&ws.Pic1, &ws.Pic2, &ws.Pic3, &ws.PatPic, &ws.imma}) *s = PictureSurface();
}

void WriteOutput(const PictureSurface& result, const std::string& path, PictureFormat format,
                 const ApplyRequest& request) {
  const Picture picture = result.Image();
  if (picture->Count() == 0) throw RunError{1, CannotWrite(path, "the result is empty")};
  std::string why;
  if (request.writeAsSaved) {
    const SaveOutcome saved = SaveResultFile(picture, path, format, true, request.save);
    why = saved.error.empty() ? saved.secondError : saved.error;
  } else {
    WriteOptions options;
    options.save = request.save;
    why = WritePictureFile(picture, path, format, options);
  }
  if (!why.empty()) throw RunError{1, CannotWrite(path, why)};
}

}  // namespace

bool IsOutputExtension(const std::string& e) {
  return e == "bmp" || e == "jpg" || e == "jpeg" || e == "png" || e == "tif" || e == "tiff";
}

PictureFormat OutputFormat(const std::string& path) {
  const std::string ext = Lower(ExtensionOf(path));
  if (ext == "bmp") return PictureFormat::Bmp;
  if (ext == "jpg" || ext == "jpeg") return PictureFormat::Jpeg;
  if (ext == "png") return PictureFormat::Png;
  if (ext == "tif" || ext == "tiff") return PictureFormat::Tiff;
  throw UsageError{"OUTPUT must end in .bmp, .jpg, .jpeg, .png, .tif or .tiff: " + path};
}

void RunApply(const ApplyRequest& request) {
  const PictureFormat format = OutputFormat(request.output);
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
  host.times.Time(Stage::Decode, [&] { LoadStartPictures(ws, request.recipe); });
  RunRecipe(ws, request.recipe, host);
  KeepOnlyTheResult(ws);
  host.times.Time(Stage::Encode, [&] { WriteOutput(ws.Pic4, request.output, format, request); });
  if (request.timings) std::fprintf(stderr, "pixmora-cli: timings: %s\n", host.times.Summary().c_str());
}

}  // namespace pixmora::cli
