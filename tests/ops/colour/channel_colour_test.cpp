#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "tests/support/test_pictures.h"

namespace pixmora {

namespace {

// The result of one Color menu command on a one-pixel picture.
ColorRef ColourCommand(int index, ColorRef pixel, ControlValues values = {}) {
  test::Session s(test::Flat(1, 1, pixel));
  s.ws.values = values;
  mnuCol_Click(s.ws, static_cast<int16_t>(index));
  return s.Result(0, 0);
}

}  // namespace

TEST(Brightness, WorkedExamples) {
  EXPECT_EQ(ColourCommand(5, PackRGB(100, 150, 200)), PackRGB(175, 225, 255));
  EXPECT_EQ(ColourCommand(6, PackRGB(100, 150, 200)), PackRGB(25, 75, 125));
  EXPECT_EQ(ColourCommand(5, PackRGB(1, 1, 1)), PackRGB(1, 1, 1)) << "0.5 rounds to 0";
  EXPECT_EQ(ColourCommand(5, PackRGB(3, 3, 3)), PackRGB(5, 5, 5)) << "1.5 rounds to 2";
  EXPECT_EQ(ColourCommand(6, PackRGB(10, 0, 0)), PackRGB(8, 0, 0));
  EXPECT_EQ(ColourCommand(5, PackRGB(255, 255, 255)), PackRGB(255, 255, 255));
}

TEST(Brightness, PlanesHoldTheClampedValues) {
  test::Session s(test::Flat(2, 1, PackRGB(100, 150, 200)));
  mnuCol_Click(s.ws, 5);
  EXPECT_EQ(s.ws.m.planes.B(1, 0), 255);
  EXPECT_EQ(s.ws.m.PixelColour, 75) << "the delta is kept in PixelColour";
}

// Every sum of three channels, 0 to 765, against its share rounded from a
// division in double precision.
TEST(Brightness, EverySumRoundsAsInDoublePrecision) {
  auto pixel = [](int sum) {
    return PackRGB(std::min(sum, 255), std::clamp(sum - 255, 0, 255), std::max(sum - 510, 0));
  };
  for (int index : {5, 6}) {
    test::Session s(test::MakeTestPicture(766, 3, [&](int x, int) { return pixel(x); }));
    mnuCol_Click(s.ws, static_cast<int16_t>(index));
    const double d = index == 5 ? 6 : -6;
    for (int sum = 0; sum <= 765; ++sum) {
      const Channels c = SplitColour(pixel(sum));
      const auto delta = static_cast<int>(std::nearbyint(sum / d));
      const auto channel = [delta](int v) { return std::clamp(v + delta, 0, 255); };
      ASSERT_EQ(s.Result(sum, 2), PackRGB(channel(c.r), channel(c.g), channel(c.b)))
          << "sum " << sum << ", command " << index;
    }
  }
}

TEST(ShiftColors, AddsOrSubtractsColourOne) {
  const ControlValues red = test::Values(5, PackRGB(255, 0, 0));
  EXPECT_EQ(ColourCommand(2, PackRGB(10, 20, 30), red), PackRGB(255, 20, 30));
  EXPECT_EQ(ColourCommand(3, PackRGB(10, 20, 30), red), PackRGB(0, 20, 30));
  const ControlValues some = test::Values(5, PackRGB(5, 50, 250));
  EXPECT_EQ(ColourCommand(2, PackRGB(10, 20, 30), some), PackRGB(15, 70, 255));
  EXPECT_EQ(ColourCommand(3, PackRGB(10, 20, 30), some), PackRGB(5, 0, 0));
}

TEST(ChannelCommands, DeleteReverseAndNegate) {
  const ColorRef p = PackRGB(10, 20, 30);
  EXPECT_EQ(ColourCommand(8, p), PackRGB(0, 20, 30));
  EXPECT_EQ(ColourCommand(9, p), PackRGB(10, 0, 30));
  EXPECT_EQ(ColourCommand(10, p), PackRGB(10, 20, 0));
  EXPECT_EQ(ColourCommand(12, p), PackRGB(20, 10, 30));
  EXPECT_EQ(ColourCommand(13, p), PackRGB(30, 20, 10));
  EXPECT_EQ(ColourCommand(14, p), PackRGB(10, 30, 20));
  const ColorRef q = PackRGB(0, 128, 255);
  EXPECT_EQ(ColourCommand(16, q), PackRGB(255, 128, 255));
  EXPECT_EQ(ColourCommand(17, q), PackRGB(0, 127, 255));
  EXPECT_EQ(ColourCommand(18, q), PackRGB(0, 128, 0));
  EXPECT_EQ(ColourCommand(19, q), PackRGB(255, 127, 0));
}

TEST(Grayscale, WeightsRoundHalfToEven) {
  EXPECT_EQ(ColourCommand(21, PackRGB(255, 0, 0)), PackRGB(76, 76, 76));
  EXPECT_EQ(ColourCommand(21, PackRGB(0, 255, 0)), PackRGB(150, 150, 150));
  EXPECT_EQ(ColourCommand(21, PackRGB(0, 0, 255)), PackRGB(28, 28, 28));
  EXPECT_EQ(ColourCommand(21, PackRGB(255, 255, 255)), PackRGB(255, 255, 255));
}

}  // namespace pixmora
