#include "cli/batch_run.h"

#include <cstdio>
#include <filesystem>

#include "cli/stage_times.h"
#include "core/file_messages.h"
#include "core/paths_and_text.h"
#include "session/config/colour_scheme.h"
#include "session/config/folders.h"
#include "session/dispatch.h"
#include "core/load_planes.h"
#include "session/slider_command.h"
#include "imageio/mfreeimage.h"
#include "imageio/picture_files.h"
#include "imageio/write_picture.h"

namespace pixmora::cli {

namespace {

constexpr int kMaxSide = 32767;  // coordinates are 16-bit

Picture ReadPicture(const std::string& path, const char* role) {
  std::string why;
  Picture picture = ReadChosenPicture(path, why);
  if (!picture) throw RunError{1, CannotRead(role, path, why)};
  if (picture->Width() > kMaxSide || picture->Height() > kMaxSide)
    throw RunError{1, "cannot use " + std::string(role) + " " + path + ": " +
                          std::to_string(picture->Width()) + " x " +
                          std::to_string(picture->Height()) +
                          " pixels is larger than 32767 pixels a side"};
  return picture;
}

// The pattern and shape: the user's file must load; the shipped default
// behaves as at start-up (a missing file leaves the surface empty).
void LoadSide(Workspace& ws, const std::optional<std::string>& given, const std::string& fallback,
              PictureSurface& surface, const char* role) {
  if (given) {
    surface.SetPicture(ReadPicture(*given, role));
    return;
  }
  PictureSurface preview(256, 256);
  ShowFitted(fallback, surface, preview, ws.platformLoader);
}

// The user's own copy in the data folder, else the one shipped with the program.
std::string DefaultDataFile(const Folders& folders, const std::string& relative) {
  const std::string own = folders.data + relative;
  if (folders.shipped.empty() || std::filesystem::exists(own)) return own;
  return folders.shipped + relative;
}

// The window's "Load image (A)": the result becomes image A, the result is cleared.
void ResultBecomesImageA(Workspace& ws) {
  ws.Pic1.SetPicture(ws.Pic4.Image());
  SizePlanes(ws.m, ws.Pic1);
  ws.Pic4.SetPicture(nullptr);
  ws.Image1.SetPicture(nullptr);
}

// What the slider or the menu command does, in two timed stages.
void RunStep(Workspace& ws, const Step& step, StageTimes& times) {
  const CatalogueEntry* entry = step.rotate ? nullptr : FindEntry(step.menu, step.index);
  if (entry && !entry->run)
    throw RunError{2, "'" + step.text + "' (" + entry->caption + ") is not available yet"};
  times.Time(Stage::Command, [&] {
    if (step.rotate) RotateIntoResult(ws, step.sliderValue);
    else RunMenuRoutine(ws, step.menu, step.index);
  });
  times.Time(Stage::Publish, [&] { PublishResult(ws); });
}

void WriteOutput(const PictureSurface& result, const std::string& path, int format) {
  const Picture picture = result.Image();
  if (picture->Count() == 0) throw RunError{1, CannotWrite(path, "the result is empty")};
  const std::string why = WritePictureFile(picture, path, format);
  if (!why.empty()) throw RunError{1, CannotWrite(path, why)};
}

}  // namespace

int OutputFormat(const std::string& path) {
  const std::string ext = Lower(ExtensionOf(path));
  if (ext == "bmp") return kFormatBmp;
  if (ext == "jpg" || ext == "jpeg") return kFormatJpeg;
  if (ext == "png") return kFormatPng;
  if (ext == "tif" || ext == "tiff") return kFormatTiff;
  throw UsageError{"OUTPUT must end in .bmp, .jpg, .jpeg, .png, .tif or .tiff: " + path};
}

void RunApply(const ApplyRequest& request) {
  const int format = OutputFormat(request.output);
  Workspace ws;
  ws.folders = FindFolders(Program::BatchTool);
  ws.keepResultFile = false;
  ws.SetHiddenBackColour(ReadColourScheme(ws.folders).back);
  // Nobody sees the result's preview here: on a surface without size,
  // publishing a result draws no preview and costs no pass over the picture.
  ws.Image1.SetSize(0, 0);
  bool warned = false;
  ws.report = [&warned](const std::string& message) {
    if (!warned) std::fprintf(stderr, "pixmora-cli: note: %s\n", message.c_str());
    warned = true;
  };
  ws.values = request.values;
  StageTimes times;
  times.Time(Stage::Decode, [&] {
    ws.Pic1.SetPicture(ReadPicture(request.imageA, "image A"));
    SizePlanes(ws.m, ws.Pic1);
    if (request.imageB) ws.Pic2.SetPicture(ReadPicture(*request.imageB, "image B"));
    LoadSide(ws, request.pattern, DefaultDataFile(ws.folders, "supporto/xxx.bmp"), ws.PatPic, "pattern");
    LoadSide(ws, request.shape, DefaultDataFile(ws.folders, "supporto/albero.bmp"), ws.Pic3, "shape");
  });
  for (size_t i = 0; i < request.steps.size(); ++i) {
    if (i > 0) ResultBecomesImageA(ws);
    RunStep(ws, request.steps[i], times);
  }
  times.Time(Stage::Encode, [&] { WriteOutput(ws.Pic4, request.output, format); });
  if (request.timings) std::fprintf(stderr, "pixmora-cli: timings: %s\n", times.Summary().c_str());
}

}  // namespace pixmora::cli
