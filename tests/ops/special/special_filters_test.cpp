// The Filters Special commands on one pixel: the colour shown and the plane
// values left, which stay unclamped.
#include <gtest/gtest.h>

#include "ops/special/chained_filters.h"
#include "tests/support/test_pictures.h"

namespace pixmora {

namespace {

enum Chained { kBrown, kLiquid, kYellow, kCoal, kDark, kPartialDarkness, kViolet, kSpooky };
enum Conditional { kUnreal = 8, kFlame = 9, kAquarel = 10 };

constexpr ColorRef kBlack = PackRGB(0, 0, 0);
constexpr ColorRef kWhite = PackRGB(255, 255, 255);
constexpr ColorRef kGrey = PackRGB(100, 100, 100);
constexpr ColorRef kWarm = PackRGB(200, 100, 50);
constexpr ColorRef kUnrealFloor = PackRGB(108, 145, 95);

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
    {kFlame, kWarm, 317, 100, 67},      {kFlame, PackRGB(255, 0, 0), 340, 0, 85},
};

// One command on a one-pixel picture; the session keeps the result and the planes.
struct OnePixel : test::Session {
  OnePixel(int index, ColorRef pixel) : Session(test::Flat(1, 1, pixel)) {
    mnuSFil_Click(ws, static_cast<int16_t>(index));
  }
};

struct ProgressLog : FrameHooks {
  std::vector<double> values;
  void SetProgressValue(double v) override { values.push_back(v); }
};

}  // namespace

TEST(SpecialFilters, ValueTable) {
  for (const Case& c : kCases)
    EXPECT_EQ(OnePixel(c.index, c.in).Result(0, 0), c.shown)
        << "index " << c.index << " on " << std::hex << c.in;
}

TEST(SpecialFilters, PlanesKeepTheUnclampedValues) {
  for (const PlaneCase& c : kPlaneCases) {
    OnePixel s(c.index, c.in);
    ChannelPlanes& p = s.ws.m.planes;
    EXPECT_EQ(p.R(0, 0), c.r) << "index " << c.index << " on " << std::hex << c.in;
    EXPECT_EQ(p.G(0, 0), c.g) << "index " << c.index << " on " << std::hex << c.in;
    EXPECT_EQ(p.B(0, 0), c.b) << "index " << c.index << " on " << std::hex << c.in;
  }
}

TEST(SpecialFilters, DarkPutsTheProgressBarBackToZero) {
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

}  // namespace pixmora
