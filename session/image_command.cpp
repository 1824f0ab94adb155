#include "session/image_command.h"

#include <algorithm>

#include "core/numeric.h"
#include "imageio/picture_limits.h"
#include "ops/image/geometry.h"
#include "session/make_result.h"
#include "session/publish_result.h"

namespace pixmora {

namespace {

constexpr const char* kFilterKeys[] = {"box", "bilinear", "bspline", "bicubic", "catmull-rom", "lanczos3"};

std::string SizeText(int64_t width, int64_t height) {
  return std::to_string(width) + " x " + std::to_string(height) + " pixels";
}

std::unexpected<Failure> Refused(const char* action, std::string why) {
  return std::unexpected(Failure{.action = action, .why = std::move(why), .role = "image A"});
}

// The box a crop cuts out of image A, or why none.
Result<Box> CropBox(const Workspace& ws, const ImageStep& step) {
  const int w = ws.Pic1.Width(), h = ws.Pic1.Height();
  if (step.toSelection && !ws.selection) return Refused("crop", "there is no selection to crop to");
  const Box box = step.toSelection ? ws.selection->box : InPixels(step.box, step.boxPercent, w, h);
  if (!box.Within(w, h))
    return Refused("crop", "the box " + BoxText(box) + " reaches beyond its " + SizeText(w, h));
  return box;
}

Status CheckResize(const Workspace& ws, const ImageStep& step) {
  const auto [w, h] = ResizedSize(step, ws.Pic1.Width(), ws.Pic1.Height());
  if (w < 1 || h < 1) return Refused("resize", "to " + SizeText(w, h) + ": a side needs a pixel at least");
  if (Status size = CheckSize(w, h); !size) return Refused("resize", "to " + size.error().why);
  return {};
}

Result<Picture> Made(const Workspace& ws, const ImageStep& step, const CallContext& call) {
  const PixelBuffer& a = *ws.Pic1.ImageBuffer();
  switch (step.command) {
    case ImageCommand::Crop: return Cropped(call, a, *CropBox(ws, step));
    case ImageCommand::FlipHorizontal: return Mirrored(call, a, Mirror::Horizontal);
    case ImageCommand::FlipVertical: return Mirrored(call, a, Mirror::Vertical);
    case ImageCommand::TurnLeft: return Turned(call, a, QuarterTurn::Left);
    case ImageCommand::TurnRight: return Turned(call, a, QuarterTurn::Right);
    case ImageCommand::Resize: break;
  }
  const auto [w, h] = ResizedSize(step, a.Width(), a.Height());
  return ResamplePicture(ws.Pic1.Image(), static_cast<int>(w), static_cast<int>(h), step.filter);
}

}  // namespace

const char* ImageCommandName(ImageCommand command) {
  static const char* const names[] = {"Crop",          "Resize",           "Flip Horizontal",
                                      "Flip Vertical", "Rotate 90\u00B0 Left", "Rotate 90\u00B0 Right"};
  return names[static_cast<size_t>(command)];
}

const char* FilterKey(ResampleFilter filter) { return kFilterKeys[static_cast<size_t>(filter)]; }

bool FilterFromKey(const std::string& key, ResampleFilter& filter) {
  const auto* end = std::end(kResampleFilters);
  const auto* found =
      std::find_if(std::begin(kResampleFilters), end, [&key](ResampleFilter f) { return key == FilterKey(f); });
  if (found != end) filter = *found;
  return found != end;
}

std::pair<int64_t, int64_t> ResizedSize(const ImageStep& step, int width, int height) {
  const auto rounded = [](double v) { return static_cast<int64_t>(RoundHalfEven(v)); };
  if (step.percent > 0)
    return {rounded(double(width) * step.percent / 100.0), rounded(double(height) * step.percent / 100.0)};
  // One side given: the other follows in proportion, as the design's rescale does.
  if (step.height == 0) return {step.width, rounded(step.width / (double(width) / height))};
  if (step.width == 0) return {rounded(double(width) / height * step.height), step.height};
  return {step.width, step.height};
}

Result<bool> MakeImageResult(Workspace& ws, const ImageStep& step, const CancelToken* cancel) {
  if (step.command == ImageCommand::Crop) {
    if (const Result<Box> box = CropBox(ws, step); !box) return std::unexpected(box.error());
  } else if (step.command == ImageCommand::Resize) {
    if (Status size = CheckResize(ws, step); !size) return std::unexpected(size.error());
  }
  Status made;
  const bool ran = MakeResult(ws, cancel, [&](const CallContext& call) {
    Result<Picture> picture = Made(ws, step, call);
    if (picture) ws.Pic4.SetPicture(std::move(*picture));
    else made = std::unexpected(picture.error());
  });
  if (!made) return std::unexpected(made.error());
  return ran;
}

Result<bool> RunImageCommand(Workspace& ws, const ImageStep& step, const CancelToken* cancel) {
  const Result<bool> ran = MakeImageResult(ws, step, cancel);
  if (ran && *ran) PublishResult(ws);
  return ran;
}

}  // namespace pixmora
