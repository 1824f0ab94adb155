// The Image menu's commands: crop, resize, flip and turn. Like the design's
// commands, each makes its result from image A (a box of it, a new size, a
// mirror image, a quarter turn) and publishes it; going on from it is
// "Load image (A)" or Chain. They are no entries of the five menus: recipes
// and the batch tool name them by their own words (image_words.h).
#pragma once
#include <cstdint>
#include <string>
#include <utility>

#include "imageio/resample.h"
#include "session/percent_box.h"
#include "session/workspace.h"

namespace pixmora {

enum class ImageCommand { Crop, Resize, FlipHorizontal, FlipVertical, TurnLeft, TurnRight };

struct ImageStep {
  ImageCommand command = ImageCommand::FlipHorizontal;
  // Crop: the selection's box, or else this box.
  bool toSelection = false;
  Box box;
  PercentFlags boxPercent{};
  // Resize: a percentage of both sides, or else width x height, one of
  // them 0 for the side that keeps the proportions.
  int percent = 0;
  int width = 0, height = 0;
  ResampleFilter filter = ResampleFilter::BSpline;
  bool operator==(const ImageStep&) const = default;
};

// How the history and recipes' comments name the command ("Flip Horizontal").
const char* ImageCommandName(ImageCommand command);

// How recipes name the resampling filters ("bspline", "catmull-rom"), in
// the order of ResampleFilter; the design resamples with B-spline.
const char* FilterKey(ResampleFilter filter);
bool FilterFromKey(const std::string& key, ResampleFilter& filter);
inline constexpr ResampleFilter kResampleFilters[] = {
    ResampleFilter::Box,     ResampleFilter::Bilinear,   ResampleFilter::BSpline,
    ResampleFilter::Bicubic, ResampleFilter::CatmullRom, ResampleFilter::Lanczos3};

// The size a resize gives a picture of width x height.
std::pair<int64_t, int64_t> ResizedSize(const ImageStep& step, int width, int height);

// Computes the command's result into Pic4 (see MakeResult). Fails, before
// anything changes, when the box does not lie within image A (or there is
// no selection to crop to) or the new size is refused: beyond 32767 pixels
// a side, or more than the memory a picture may take. Otherwise answers
// whether it ran to its end (cancel stopped none).
Result<bool> MakeImageResult(Workspace& ws, const ImageStep& step, const CancelToken* cancel = nullptr);
// The same, then PublishResult.
Result<bool> RunImageCommand(Workspace& ws, const ImageStep& step, const CancelToken* cancel = nullptr);

}  // namespace pixmora
