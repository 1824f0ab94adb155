// The Image menu's commands: each result made from image A and published,
// pixel for pixel; sizes that cannot be had are refused before anything
// changes; a texture from a square is not squashed.
#include <gtest/gtest.h>

#include "session/image_command.h"
#include "session/texture_square.h"
#include "tests/support/failure_of.h"
#include "tests/support/test_pictures.h"

namespace pixmora {
namespace {

ImageStep Step(ImageCommand command) {
  ImageStep step;
  step.command = command;
  return step;
}

// Runs the step on a fresh session of image A and answers the published result.
Picture Made(const Picture& a, const ImageStep& step, const std::optional<Selection>& selection = {}) {
  test::Session s(a);
  s.ws.selection = selection;
  EXPECT_TRUE(RunImageCommand(s.ws, step).value_or(false));
  test::ExpectSamePixels(s.ws.imma.Image(), s.ws.Pic4.Image());
  return s.ws.imma.Image();
}

TEST(ImageCommands, FlipsAndTurnsMoveEveryPixelExactly) {
  const Picture a = test::Varied(7, 4);
  const struct {
    ImageCommand command;
    int width, height;
    std::function<ColorRef(int, int)> from;  // the pixel of image A at (x, y) of the result
  } cases[] = {
      {ImageCommand::FlipHorizontal, 7, 4, [&](int x, int y) { return a->At(6 - x, y); }},
      {ImageCommand::FlipVertical, 7, 4, [&](int x, int y) { return a->At(x, 3 - y); }},
      {ImageCommand::TurnLeft, 4, 7, [&](int x, int y) { return a->At(6 - y, x); }},
      {ImageCommand::TurnRight, 4, 7, [&](int x, int y) { return a->At(y, 3 - x); }},
  };
  for (const auto& c : cases)
    test::ExpectSamePixels(Made(a, Step(c.command)), test::MakeTestPicture(c.width, c.height, c.from));
  // The top-left corner goes to the bottom-left with a left turn, to the top-right with a right one.
  EXPECT_EQ(Made(a, Step(ImageCommand::TurnLeft))->At(0, 6), a->At(0, 0));
  EXPECT_EQ(Made(a, Step(ImageCommand::TurnRight))->At(3, 0), a->At(0, 0));
}

TEST(ImageCommands, ACropIsTheBoxOfImageA) {
  const Picture a = test::Varied(40, 20);
  ImageStep crop = Step(ImageCommand::Crop);
  crop.box = {3, 4, 10, 7};
  const Picture sub = test::MakeTestPicture(10, 7, [&](int x, int y) { return a->At(x + 3, y + 4); });
  test::ExpectSamePixels(Made(a, crop), sub);
  crop.box = {0, 0, 25, 50}, crop.boxPercent = {false, false, true, true};  // 10 x 10
  test::ExpectSamePixels(Made(a, crop), test::MakeTestPicture(10, 10, [&](int x, int y) { return a->At(x, y); }));
  ImageStep toSelection = Step(ImageCommand::Crop);
  toSelection.toSelection = true;
  test::ExpectSamePixels(Made(a, toSelection, Selection{SelectionShape::Ellipse, {3, 4, 10, 7}, 9, true}), sub);
}

TEST(ImageCommands, AResizeGivesTheSizeAndTheFiltersPixels) {
  const Picture a = test::Varied(40, 30);
  for (ResampleFilter filter : kResampleFilters) {
    ImageStep resize = Step(ImageCommand::Resize);
    resize.width = 23, resize.height = 17, resize.filter = filter;
    test::ExpectSamePixels(Made(a, resize), ResamplePicture(a, 23, 17, filter).value());
  }
  const struct {
    int percent, width, height;
    int64_t wantedWidth, wantedHeight;
  } sizes[] = {{50, 0, 0, 20, 15}, {0, 20, 0, 20, 15}, {0, 0, 9, 12, 9}, {0, 41, 3, 41, 3}};
  for (const auto& s : sizes) {
    ImageStep resize = Step(ImageCommand::Resize);
    resize.percent = s.percent, resize.width = s.width, resize.height = s.height;
    EXPECT_EQ(ResizedSize(resize, 40, 30), std::pair(s.wantedWidth, s.wantedHeight)) << s.width << ", " << s.height;
  }
}

TEST(ImageCommands, WhatCannotBeMadeIsRefusedAndNothingChanges) {
  test::Session s(test::Varied(40, 30));
  test::RunByKey(s.ws, "fog");
  const Picture fog = s.ws.Pic4.Image();
  ImageStep crop = Step(ImageCommand::Crop), huge = Step(ImageCommand::Resize), empty = Step(ImageCommand::Resize);
  crop.box = {35, 0, 10, 10};
  huge.width = 40000, huge.height = 10;
  empty.percent = 1;  // 0.4 x 0.3 pixels
  ImageStep toNothing = Step(ImageCommand::Crop);
  toNothing.toSelection = true;
  for (const ImageStep& step : {crop, huge, empty, toNothing})
    EXPECT_EQ(test::FailureOf(RunImageCommand(s.ws, step)).role, "image A");
  EXPECT_EQ(test::FailureOf(RunImageCommand(s.ws, crop)).Message(),
            "cannot crop image A: the box 35,0,10,10 reaches beyond its 40 x 30 pixels");
  EXPECT_NE(test::FailureOf(RunImageCommand(s.ws, huge)).Message().find("larger than 32767 pixels a side"),
            std::string::npos);
  test::ExpectSamePixels(s.ws.Pic4.Image(), fog);
}

// A ring in a wide picture stays a ring in the texture made from a square.
TEST(ImageCommands, ATextureFromACentreSquareIsNotSquashed) {
  const Picture wide = test::MakeTestPicture(300, 200, [](int x, int y) {
    return std::hypot(x - 149.5, y - 99.5) < 60 ? 0u : 0xFFFFFFu;
  });
  const auto extent = [](const Picture& p, bool across) {
    int dark = 0;
    for (int i = 0; i < 256; ++i) dark += (across ? p->At(i, 128) : p->At(128, i)) < 0x808080u;
    return dark;
  };
  const Picture square = ResamplePicture(TexturePicture(wide, TextureFit::CentreSquare, {}), 256, 256,
                                         ResampleFilter::BSpline).value();
  EXPECT_NEAR(extent(square, true), extent(square, false), 1);
  const Picture squashed = ResamplePicture(TexturePicture(wide, TextureFit::Whole, {}), 256, 256,
                                           ResampleFilter::BSpline).value();
  EXPECT_GT(extent(squashed, false) - extent(squashed, true), 40) << "the design's fit squashes it";
  const Selection around{SelectionShape::Rectangle, {60, 20, 200, 160}};
  EXPECT_EQ(TextureBox(300, 200, TextureFit::SelectionSquare, around), (Box{80, 20, 160, 160}));
  EXPECT_EQ(TextureBox(300, 200, TextureFit::CentreSquare, {}), (Box{50, 0, 200, 200}));
  EXPECT_FALSE(TextureBox(300, 200, TextureFit::SelectionSquare, std::nullopt));
}

}  // namespace
}  // namespace pixmora
