#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "tests/support/test_pictures.h"

namespace pixmora {

namespace {

// The result of one Color menu command on a one-pixel picture.
ColorRef ColourCommand(const std::string& key, ColorRef pixel, ControlValues values = {}) {
  test::Session s(test::Flat(1, 1, pixel));
  s.ws.values = values;
  test::RunByKey(s.ws, key);
  return s.Result(0, 0);
}

}  // namespace

TEST(Brightness, WorkedExamples) {
  EXPECT_EQ(ColourCommand("brighten", PackRGB(100, 150, 200)), PackRGB(175, 225, 255));
  EXPECT_EQ(ColourCommand("darken", PackRGB(100, 150, 200)), PackRGB(25, 75, 125));
  EXPECT_EQ(ColourCommand("brighten", PackRGB(1, 1, 1)), PackRGB(1, 1, 1)) << "0.5 rounds to 0";
  EXPECT_EQ(ColourCommand("brighten", PackRGB(3, 3, 3)), PackRGB(5, 5, 5)) << "1.5 rounds to 2";
  EXPECT_EQ(ColourCommand("darken", PackRGB(10, 0, 0)), PackRGB(8, 0, 0));
  EXPECT_EQ(ColourCommand("brighten", PackRGB(255, 255, 255)), PackRGB(255, 255, 255));
}

TEST(Brightness, PlanesHoldTheClampedValues) {
  test::Session s(test::Flat(2, 1, PackRGB(100, 150, 200)));
  test::RunByKey(s.ws, "brighten");
  EXPECT_EQ(s.ws.m.planes.B(1, 0), 255);
  EXPECT_EQ(s.ws.m.PixelColour, 75) << "the delta is kept in PixelColour";
}

// Every sum of three channels, 0 to 765, against its share rounded from a
// division in double precision.
TEST(Brightness, EverySumRoundsAsInDoublePrecision) {
  auto pixel = [](int sum) {
    return PackRGB(std::min(sum, 255), std::clamp(sum - 255, 0, 255), std::max(sum - 510, 0));
  };
  for (const std::string key : {"brighten", "darken"}) {
    test::Session s(test::MakeTestPicture(766, 3, [&](int x, int) { return pixel(x); }));
    test::RunByKey(s.ws, key);
    const double d = key == "brighten" ? 6 : -6;
    for (int sum = 0; sum <= 765; ++sum) {
      const Channels c = SplitColour(pixel(sum));
      const auto delta = static_cast<int>(std::nearbyint(sum / d));
      const auto channel = [delta](int v) { return std::clamp(v + delta, 0, 255); };
      ASSERT_EQ(s.Result(sum, 2), PackRGB(channel(c.r), channel(c.g), channel(c.b)))
          << "sum " << sum << ", command " << key;
    }
  }
}

TEST(ShiftColors, AddsOrSubtractsColourOne) {
  const ControlValues red = test::Values(5, PackRGB(255, 0, 0));
  EXPECT_EQ(ColourCommand("full-colors", PackRGB(10, 20, 30), red), PackRGB(255, 20, 30));
  EXPECT_EQ(ColourCommand("underlying-colors", PackRGB(10, 20, 30), red), PackRGB(0, 20, 30));
  const ControlValues some = test::Values(5, PackRGB(5, 50, 250));
  EXPECT_EQ(ColourCommand("full-colors", PackRGB(10, 20, 30), some), PackRGB(15, 70, 255));
  EXPECT_EQ(ColourCommand("underlying-colors", PackRGB(10, 20, 30), some), PackRGB(5, 0, 0));
}

TEST(ChannelCommands, DeleteReverseAndNegate) {
  const ColorRef p = PackRGB(10, 20, 30);
  EXPECT_EQ(ColourCommand("delete-red", p), PackRGB(0, 20, 30));
  EXPECT_EQ(ColourCommand("delete-green", p), PackRGB(10, 0, 30));
  EXPECT_EQ(ColourCommand("delete-blue", p), PackRGB(10, 20, 0));
  EXPECT_EQ(ColourCommand("swap-red-green", p), PackRGB(20, 10, 30));
  EXPECT_EQ(ColourCommand("swap-red-blue", p), PackRGB(30, 20, 10));
  EXPECT_EQ(ColourCommand("swap-green-blue", p), PackRGB(10, 30, 20));
  const ColorRef q = PackRGB(0, 128, 255);
  EXPECT_EQ(ColourCommand("negative-red", q), PackRGB(255, 128, 255));
  EXPECT_EQ(ColourCommand("negative-green", q), PackRGB(0, 127, 255));
  EXPECT_EQ(ColourCommand("negative-blue", q), PackRGB(0, 128, 0));
  EXPECT_EQ(ColourCommand("image-negative", q), PackRGB(255, 127, 0));
}

TEST(Grayscale, WeightsRoundHalfToEven) {
  EXPECT_EQ(ColourCommand("grayscale", PackRGB(255, 0, 0)), PackRGB(76, 76, 76));
  EXPECT_EQ(ColourCommand("grayscale", PackRGB(0, 255, 0)), PackRGB(150, 150, 150));
  EXPECT_EQ(ColourCommand("grayscale", PackRGB(0, 0, 255)), PackRGB(28, 28, 28));
  EXPECT_EQ(ColourCommand("grayscale", PackRGB(255, 255, 255)), PackRGB(255, 255, 255));
}

}  // namespace pixmora
