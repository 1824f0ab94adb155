#include <gtest/gtest.h>

#include "ops/special/chained_filters.h"
#include "tests/ops/special/special_command.h"

namespace pixmora {

namespace {

using test::SpecialCommand;
using test::SpecialPixel;

enum Index { kBrown, kLiquid, kYellow, kCoal, kDark, kPartialDarkness, kViolet, kSpooky };

constexpr ColorRef kBlack = PackRGB(0, 0, 0);
constexpr ColorRef kWhite = PackRGB(255, 255, 255);
constexpr ColorRef kGrey = PackRGB(100, 100, 100);
constexpr ColorRef kWarm = PackRGB(200, 100, 50);

struct Case {
  int index;
  ColorRef in, shown;
};

constexpr Case kCases[] = {
    // Black stays black except in the two dark ones.
    {kBrown, kBlack, kBlack}, {kLiquid, kBlack, kBlack}, {kYellow, kBlack, kBlack},
    {kCoal, kBlack, kBlack}, {kViolet, kBlack, kBlack}, {kSpooky, kBlack, kBlack},
    {kDark, kBlack, PackRGB(64, 0, 0)}, {kPartialDarkness, kBlack, PackRGB(64, 64, 0)},
    // White.
    {kBrown, kWhite, PackRGB(254, 253, 251)}, {kLiquid, kWhite, PackRGB(0, 255, 255)},
    {kYellow, kWhite, PackRGB(255, 255, 0)}, {kCoal, kWhite, kWhite},
    {kDark, kWhite, PackRGB(191, 127, 127)}, {kPartialDarkness, kWhite, PackRGB(191, 191, 127)},
    {kViolet, kWhite, kWhite}, {kSpooky, kWhite, kWhite},
    // Grey (100, 100, 100).
    {kBrown, kGrey, PackRGB(39, 15, 2)}, {kLiquid, kGrey, PackRGB(0, 80, 51)},
    {kYellow, kGrey, PackRGB(80, 51, 0)}, {kCoal, kGrey, PackRGB(60, 60, 60)},
    {kDark, kGrey, PackRGB(36, 28, 28)}, {kPartialDarkness, kGrey, PackRGB(36, 36, 28)},
    {kViolet, kGrey, PackRGB(150, 150, 200)}, {kSpooky, kGrey, PackRGB(100, 150, 150)},
    // (200, 100, 50).
    {kBrown, kWarm, PackRGB(20, 4, 0)}, {kLiquid, kWarm, PackRGB(20, 7, 1)},
    {kYellow, kWarm, PackRGB(3, 55, 80)}, {kCoal, kWarm, PackRGB(201, 201, 201)},
    {kDark, kWarm, PackRGB(136, 72, 72)}, {kPartialDarkness, kWarm, PackRGB(36, 36, 28)},
    {kViolet, kWarm, PackRGB(200, 100, 225)}, {kSpooky, kWarm, PackRGB(200, 250, 225)},
    // Each chain reads the values of its earlier statements.
    {kDark, PackRGB(64, 10, 10), PackRGB(0, 64, 64)},
    {kPartialDarkness, PackRGB(10, 64, 10), PackRGB(0, 0, 64)},
    {kSpooky, PackRGB(255, 0, 0), kWhite},
    // Halves round half to even: 0 + 3 / 2 = 1.5 gives 2, 0 + 5 / 2 = 2.5 gives 2.
    {kSpooky, PackRGB(0, 3, 5), PackRGB(0, 2, 2)},
    // Yellow's green overflows 16 bits: the pixel keeps its colour.
    {kYellow, PackRGB(236, 0, 0), PackRGB(236, 0, 0)},
    {kYellow, PackRGB(255, 0, 0), PackRGB(255, 0, 0)},
};

struct PlaneCase {
  int index;
  ColorRef in;
  int32_t r, g, b;
};

constexpr PlaneCase kPlaneCases[] = {
    {kLiquid, kWhite, 0, 520, 2163},    {kYellow, kWhite, 520, 2163, 0},
    {kCoal, kWhite, 255, 255, 255},     {kViolet, kWhite, 382, 382, 510},
    {kSpooky, kWhite, 255, 382, 382},   {kCoal, kGrey, 60, 54, 47},
    {kCoal, kWarm, 201, 255, 93},       {kYellow, PackRGB(236, 0, 0), 1591, 33195, 446},
    {kYellow, PackRGB(255, 0, 0), 2163, 57588, 520},
};

}  // namespace

TEST(ChainedSpecialFilters, ValueTable) {
  for (const Case& c : kCases)
    EXPECT_EQ(SpecialPixel(c.index, c.in), c.shown)
        << "index " << c.index << " on " << std::hex << c.in;
}

TEST(ChainedSpecialFilters, PlanesKeepTheUnclampedValues) {
  for (const PlaneCase& c : kPlaneCases) {
    const test::SpecialOutcome o = SpecialCommand(c.index, c.in);
    EXPECT_EQ(o.r, c.r) << "index " << c.index << " on " << std::hex << c.in;
    EXPECT_EQ(o.g, c.g) << "index " << c.index << " on " << std::hex << c.in;
    EXPECT_EQ(o.b, c.b) << "index " << c.index << " on " << std::hex << c.in;
  }
}

TEST(ChainedSpecialFilters, EveryPixelOfALargerPicture) {
  test::Session s(test::MakeTestPicture(3, 4, [](int x, int y) {
    return x == 2 && y == 3 ? kGrey : kWhite;
  }));
  mnuSFil_Click(s.ws, kBrown);
  EXPECT_EQ(s.Result(0, 0), PackRGB(254, 253, 251));
  EXPECT_EQ(s.Result(1, 3), PackRGB(254, 253, 251));
  EXPECT_EQ(s.Result(2, 3), PackRGB(39, 15, 2));
}

namespace {

struct ProgressLog : FrameHooks {
  std::vector<double> values;
  void SetProgressValue(double v) override { values.push_back(v); }
};

}  // namespace

TEST(ChainedSpecialFilters, DarkPutsTheProgressBarBackToZero) {
  ProgressLog log;
  Module1 m;
  m.hooks = &log;
  m.planes.Resize(3, 2);
  PictureSurface target(3, 2);
  Dark(m, target);
  ASSERT_FALSE(log.values.empty());
  EXPECT_EQ(log.values.back(), 0);
  EXPECT_EQ(log.values[log.values.size() - 2], 2) << "the last column";
}

TEST(ChainedSpecialFilters, ATargetLargerThanThePlanesKeepsItsExtraPixels) {
  Module1 m;
  m.planes.Resize(1, 1);
  PictureSurface target(2, 2, 0x00123456);
  Dark(m, target);
  EXPECT_EQ(target.Point(0, 0), PackRGB(64, 0, 0));
  EXPECT_EQ(target.Point(1, 0), 0x00123456u);
  EXPECT_EQ(target.Point(0, 1), 0x00123456u);
}

}  // namespace pixmora
