// The Filters Special commands on one pixel: the colour shown and the plane
// values left, which stay unclamped.
#include <gtest/gtest.h>

#include "ops/special/chained_filters.h"
#include "tests/support/test_pictures.h"

namespace pixmora {

namespace {

constexpr ColorRef kBlack = PackRGB(0, 0, 0);
constexpr ColorRef kWhite = PackRGB(255, 255, 255);
constexpr ColorRef kGrey = PackRGB(100, 100, 100);
constexpr ColorRef kWarm = PackRGB(200, 100, 50);
constexpr ColorRef kUnrealFloor = PackRGB(108, 145, 95);

struct Case {
  const char* key;
  ColorRef in, shown;
};

constexpr Case kCases[] = {
    // Black stays black except in the two dark ones.
    {"brown", kBlack, kBlack}, {"liquid", kBlack, kBlack}, {"yellow", kBlack, kBlack},
    {"coal", kBlack, kBlack}, {"violet", kBlack, kBlack}, {"spooky", kBlack, kBlack},
    {"dark", kBlack, PackRGB(64, 0, 0)}, {"partial-darkness", kBlack, PackRGB(64, 64, 0)},
    // White.
    {"brown", kWhite, PackRGB(254, 253, 251)}, {"liquid", kWhite, PackRGB(0, 255, 255)},
    {"yellow", kWhite, PackRGB(255, 255, 0)}, {"coal", kWhite, kWhite},
    {"dark", kWhite, PackRGB(191, 127, 127)}, {"partial-darkness", kWhite, PackRGB(191, 191, 127)},
    {"violet", kWhite, kWhite}, {"spooky", kWhite, kWhite},
    // Grey (100, 100, 100).
    {"brown", kGrey, PackRGB(39, 15, 2)}, {"liquid", kGrey, PackRGB(0, 80, 51)},
    {"yellow", kGrey, PackRGB(80, 51, 0)}, {"coal", kGrey, PackRGB(60, 60, 60)},
    {"dark", kGrey, PackRGB(36, 28, 28)}, {"partial-darkness", kGrey, PackRGB(36, 36, 28)},
    {"violet", kGrey, PackRGB(150, 150, 200)}, {"spooky", kGrey, PackRGB(100, 150, 150)},
    // (200, 100, 50).
    {"brown", kWarm, PackRGB(20, 4, 0)}, {"liquid", kWarm, PackRGB(20, 7, 1)},
    {"yellow", kWarm, PackRGB(3, 55, 80)}, {"coal", kWarm, PackRGB(201, 201, 201)},
    {"dark", kWarm, PackRGB(136, 72, 72)}, {"partial-darkness", kWarm, PackRGB(36, 36, 28)},
    {"violet", kWarm, PackRGB(200, 100, 225)}, {"spooky", kWarm, PackRGB(200, 250, 225)},
    // Each chain reads the values of its earlier statements.
    {"dark", PackRGB(64, 10, 10), PackRGB(0, 64, 64)},
    {"partial-darkness", PackRGB(10, 64, 10), PackRGB(0, 0, 64)},
    {"spooky", PackRGB(255, 0, 0), kWhite},
    // Halves round half to even: 0 + 3 / 2 = 1.5 gives 2, 0 + 5 / 2 = 2.5 gives 2.
    {"spooky", PackRGB(0, 3, 5), PackRGB(0, 2, 2)},
    // Yellow's green overflows 16 bits: the pixel keeps its colour.
    {"yellow", PackRGB(236, 0, 0), PackRGB(236, 0, 0)},
    {"yellow", PackRGB(255, 0, 0), PackRGB(255, 0, 0)},
    // Unreal: a zero green or blue makes both 1.
    {"unreal", PackRGB(0, 0, 0), kUnrealFloor},
    {"unreal", PackRGB(255, 0, 0), kUnrealFloor},
    {"unreal", PackRGB(0, 255, 0), kUnrealFloor},
    {"unreal", PackRGB(7, 0, 200), kUnrealFloor},
    {"unreal", PackRGB(100, 100, 100), PackRGB(108, 112, 107)},
    {"unreal", PackRGB(255, 255, 255), PackRGB(108, 69, 125)},
    {"unreal", PackRGB(200, 100, 50), PackRGB(132, 137, 107)},
    // Flame: only where red is above blue.
    {"flame", PackRGB(100, 100, 100), PackRGB(100, 100, 100)},
    {"flame", PackRGB(255, 255, 255), PackRGB(255, 255, 255)},
    {"flame", PackRGB(0, 0, 0), PackRGB(0, 0, 0)},
    {"flame", PackRGB(10, 200, 30), PackRGB(10, 200, 30)},
    {"flame", PackRGB(200, 100, 50), PackRGB(255, 100, 67)},
    {"flame", PackRGB(255, 0, 0), PackRGB(255, 0, 85)},
    // Aquarel: a channel of 128 or more halves all three, otherwise they double.
    {"aquarel", PackRGB(127, 127, 127), PackRGB(254, 254, 254)},
    {"aquarel", PackRGB(128, 128, 128), PackRGB(64, 64, 64)},
    {"aquarel", PackRGB(255, 255, 255), PackRGB(128, 128, 128)},
    {"aquarel", PackRGB(129, 1, 3), PackRGB(64, 0, 2)},
    {"aquarel", PackRGB(10, 20, 30), PackRGB(20, 40, 60)},
    {"aquarel", PackRGB(100, 100, 100), PackRGB(200, 200, 200)},
    {"aquarel", PackRGB(200, 100, 50), PackRGB(100, 50, 25)},
    {"aquarel", PackRGB(0, 0, 0), PackRGB(0, 0, 0)},
};

struct PlaneCase {
  const char* key;
  ColorRef in;
  int32_t r, g, b;
};

constexpr PlaneCase kPlaneCases[] = {
    {"liquid", kWhite, 0, 520, 2163},    {"yellow", kWhite, 520, 2163, 0},
    {"coal", kWhite, 255, 255, 255},     {"violet", kWhite, 382, 382, 510},
    {"spooky", kWhite, 255, 382, 382},   {"coal", kGrey, 60, 54, 47},
    {"coal", kWarm, 201, 255, 93},       {"yellow", PackRGB(236, 0, 0), 1591, 33195, 446},
    {"yellow", PackRGB(255, 0, 0), 2163, 57588, 520},
    {"flame", kWarm, 317, 100, 67},      {"flame", PackRGB(255, 0, 0), 340, 0, 85},
};

// One command on a one-pixel picture; the session keeps the result and the planes.
struct OnePixel : test::Session {
  OnePixel(const std::string& key, ColorRef pixel) : Session(test::Flat(1, 1, pixel)) {
    test::RunByKey(ws, key);
  }
};

struct ProgressLog : FrameHooks {
  std::vector<double> values;
  void SetProgressValue(double v) override { values.push_back(v); }
};

}  // namespace

TEST(SpecialFilters, ValueTable) {
  for (const Case& c : kCases)
    EXPECT_EQ(OnePixel(c.key, c.in).Result(0, 0), c.shown)
        << c.key << " on " << std::hex << c.in;
}

TEST(SpecialFilters, PlanesKeepTheUnclampedValues) {
  for (const PlaneCase& c : kPlaneCases) {
    OnePixel s(c.key, c.in);
    ChannelPlanes& p = s.ws.m.planes;
    EXPECT_EQ(p.R(0, 0), c.r) << c.key << " on " << std::hex << c.in;
    EXPECT_EQ(p.G(0, 0), c.g) << c.key << " on " << std::hex << c.in;
    EXPECT_EQ(p.B(0, 0), c.b) << c.key << " on " << std::hex << c.in;
  }
}

TEST(SpecialFilters, DarkPutsTheProgressBarBackToZero) {
  ProgressLog log;
  Module1 m;
  m.planes.Resize(3, 2);
  PictureSurface target(3, 2);
  Dark(m, {.hooks = &log}, target);
  ASSERT_FALSE(log.values.empty());
  EXPECT_EQ(log.values.back(), 0);
  EXPECT_EQ(log.values[log.values.size() - 2], 2) << "the last column";
}

}  // namespace pixmora
