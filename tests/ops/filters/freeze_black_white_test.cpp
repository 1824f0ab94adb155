#include <gtest/gtest.h>

#include <cmath>

#include "ops/filters/freeze_black_white.h"
#include "tests/ops/filters/filter_test_support.h"

namespace pixmora {

namespace {

constexpr ColorRef kWhite = PackRGB(255, 255, 255);

// Freeze with a factor on one pixel; the planes go to *planes.
ColorRef Frozen(float factor, ColorRef pixel, Channels* planes = nullptr) {
  test::Loaded l(test::Flat(1, 1, pixel));
  Freeze(l.m, {}, l.target, factor);
  if (planes) *planes = test::PlaneCell(l.m, 0, 0);
  return l.target.Point(0, 0);
}

void ExpectPlanes(const Channels& c, int r, int g, int b) {
  EXPECT_EQ(c.r, r);
  EXPECT_EQ(c.g, g);
  EXPECT_EQ(c.b, b);
}

}  // namespace

TEST(Freeze, EachChannelFromTheNewValuesBeforeIt) {
  EXPECT_EQ(test::FilterPixel("freeze", PackRGB(200, 100, 50)), PackRGB(75, 38, 94));
  EXPECT_EQ(test::FilterPixel("freeze", 0), 0u);
  EXPECT_EQ(test::FilterPixel("freeze-high", 0), 0u);
}

TEST(Freeze, GreyAndWhiteGrowPastTheChannelRange) {
  Channels planes;
  EXPECT_EQ(Frozen(1.5f, PackRGB(100, 100, 100), &planes), PackRGB(150, 225, 255));
  ExpectPlanes(planes, 150, 225, 412);
  EXPECT_EQ(Frozen(2.0f, PackRGB(100, 100, 100), &planes), PackRGB(200, 255, 255));
  ExpectPlanes(planes, 200, 400, 1000);
  EXPECT_EQ(Frozen(1.5f, kWhite, &planes), kWhite);
  ExpectPlanes(planes, 382, 573, 1050);
  EXPECT_EQ(Frozen(2.0f, kWhite, &planes), kWhite);
  ExpectPlanes(planes, 510, 1020, 2550);
  EXPECT_EQ(test::FilterPixel("freeze-high", PackRGB(100, 100, 100)), PackRGB(200, 255, 255));
}

namespace {

// The statements one by one in double precision, each conversion checked.
void ReferenceFreeze(Module1& m, PictureSurface& target, double k) {
  test::ReferenceFrame(m, target, [&](int x, int y) {
    if (!m.planes.Inside(x, y)) return;
    int32_t &r = m.planes.R(x, y), &g = m.planes.G(x, y), &b = m.planes.B(x, y);
    ToInt32(std::abs((static_cast<double>(r) - g - b) * k), r);
    ToInt32(std::abs((static_cast<double>(g) - b - r) * k), g);
    ToInt32(std::abs((static_cast<double>(b) - r - g) * k), b);
  });
}

}  // namespace

// The menu's factors, one whose products are not exact in single precision,
// and one whose products leave 32 bits; pixels beyond the planes keep their
// colour.
TEST(Freeze, AgreesWithTheStatementsInDoublePrecision) {
  for (float k : {1.5f, 2.0f, 0.3f, -1.1f, 4000.5f}) {
    SCOPED_TRACE(k);
    test::ExpectSameAsReference(
        test::Noisy(97, 89), [k](Module1& m, PictureSurface& t) { Freeze(m, {}, t, k); },
        [k](Module1& m, PictureSurface& t) { ReferenceFreeze(m, t, k); });
  }
}

TEST(BlackAndWhite, TheBrightestChannelAgainstTheThreshold) {
  EXPECT_EQ(test::FilterPixel("black-white-1", PackRGB(199, 199, 199)), 0u);
  EXPECT_EQ(test::FilterPixel("black-white-1", PackRGB(200, 0, 0)), kWhite);
  EXPECT_EQ(test::FilterPixel("black-white-1", PackRGB(0, 200, 0)), kWhite);
  EXPECT_EQ(test::FilterPixel("black-white-2", PackRGB(149, 149, 149)), 0u);
  EXPECT_EQ(test::FilterPixel("black-white-2", PackRGB(0, 0, 150)), kWhite);
  EXPECT_EQ(test::FilterPixel("black-white-3", PackRGB(0, 0, 100)), kWhite);
  EXPECT_EQ(test::FilterPixel("black-white-3", PackRGB(99, 99, 99)), 0u);
}

}  // namespace pixmora
