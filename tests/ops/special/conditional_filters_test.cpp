#include <gtest/gtest.h>

#include "ops/special/conditional_filters.h"
#include "tests/ops/special/special_command.h"

namespace pixmora {

namespace {

using test::SpecialCommand;
using test::SpecialPixel;

enum Index { kUnreal = 8, kFlame = 9, kAquarel = 10 };

}  // namespace

namespace {

struct Case {
  int index;
  ColorRef in, shown;
};

constexpr ColorRef kUnrealFloor = PackRGB(108, 145, 95);

constexpr Case kCases[] = {
    // Unreal: a zero green or blue makes both 1.
    {kUnreal, PackRGB(0, 0, 0), kUnrealFloor},
    {kUnreal, PackRGB(255, 0, 0), kUnrealFloor},
    {kUnreal, PackRGB(0, 255, 0), kUnrealFloor},
    {kUnreal, PackRGB(7, 0, 200), kUnrealFloor},
    {kUnreal, PackRGB(100, 100, 100), PackRGB(108, 112, 107)},
    {kUnreal, PackRGB(255, 255, 255), PackRGB(108, 69, 125)},
    {kUnreal, PackRGB(200, 100, 50), PackRGB(132, 137, 107)},
    // Flame: only where red is above blue.
    {kFlame, PackRGB(100, 100, 100), PackRGB(100, 100, 100)},
    {kFlame, PackRGB(255, 255, 255), PackRGB(255, 255, 255)},
    {kFlame, PackRGB(0, 0, 0), PackRGB(0, 0, 0)},
    {kFlame, PackRGB(10, 200, 30), PackRGB(10, 200, 30)},
    {kFlame, PackRGB(200, 100, 50), PackRGB(255, 100, 67)},
    {kFlame, PackRGB(255, 0, 0), PackRGB(255, 0, 85)},
    // Aquarel: a channel of 128 or more halves all three, otherwise they double.
    {kAquarel, PackRGB(127, 127, 127), PackRGB(254, 254, 254)},
    {kAquarel, PackRGB(128, 128, 128), PackRGB(64, 64, 64)},
    {kAquarel, PackRGB(255, 255, 255), PackRGB(128, 128, 128)},
    {kAquarel, PackRGB(129, 1, 3), PackRGB(64, 0, 2)},
    {kAquarel, PackRGB(10, 20, 30), PackRGB(20, 40, 60)},
    {kAquarel, PackRGB(100, 100, 100), PackRGB(200, 200, 200)},
    {kAquarel, PackRGB(200, 100, 50), PackRGB(100, 50, 25)},
    {kAquarel, PackRGB(0, 0, 0), PackRGB(0, 0, 0)},
};

}  // namespace

TEST(ConditionalSpecialFilters, ValueTable) {
  for (const Case& c : kCases)
    EXPECT_EQ(SpecialPixel(c.index, c.in), c.shown)
        << "index " << c.index << " on " << std::hex << c.in;
}

TEST(Unreal, EveryGreyHasRed108) {
  for (int grey : {1, 37, 128, 254})
    EXPECT_EQ(SpecialCommand(kUnreal, PackRGB(grey, grey, grey)).r, 108) << grey;
}

TEST(Flame, PlanesKeepRedAbove255) {
  const test::SpecialOutcome warm = SpecialCommand(kFlame, PackRGB(200, 100, 50));
  EXPECT_EQ(warm.r, 317);
  EXPECT_EQ(warm.b, 67);
  EXPECT_EQ(SpecialCommand(kFlame, PackRGB(255, 0, 0)).r, 340);
}

TEST(Unreal, PlaneValuesAbove255FollowTheSameFormula) {
  Module1 m;
  m.planes.Resize(1, 1);
  m.planes.R(0, 0) = 0, m.planes.G(0, 0) = 300, m.planes.B(0, 0) = 300;
  PictureSurface target(1, 1);
  Unreal(m, target);
  EXPECT_EQ(m.planes.R(0, 0), 108);
  EXPECT_EQ(m.planes.G(0, 0), 62);
  EXPECT_EQ(m.planes.B(0, 0), 128);
}

}  // namespace pixmora
