#include <gtest/gtest.h>

#include <cstdlib>

#include "ops/filters/relief.h"
#include "tests/ops/filters/filter_test_support.h"

namespace pixmora {

namespace {

// A 2 x 2 picture: `pixel` at (0, 0) and `lowerRight` at (1, 1); (0, 0) is the
// only pixel with a lower-right neighbour.
ColorRef ReliefOfPair(const std::string& key, ColorRef pixel, ColorRef lowerRight,
                      Channels* planes = nullptr) {
  test::Session s(test::MakeTestPicture(2, 2, [&](int x, int y) {
    return x == 0 && y == 0 ? pixel : x == 1 && y == 1 ? lowerRight : PackRGB(9, 9, 9);
  }));
  test::RunByKey(s.ws, key);
  if (planes) *planes = test::PlaneCell(s.ws.m, 0, 0);
  return s.Result(0, 0);
}

// Statement by statement, every index checked; gets(R, G, B) is the test of
// the channel variants.
void ReferenceRelief(Module1& m, PictureSurface& target,
                     const std::function<bool(int32_t, int32_t, int32_t)>& gets) {
  ChannelPlanes& p = m.planes;
  test::ReferenceFrame(m, target, [&](int x, int y) {
    if (p.Inside(x, y) && !gets(p.R(x, y), p.G(x, y), p.B(x, y))) return;
    for (int32_t* plane : test::AllPlanes(m))
      if (p.Inside(x, y) && p.Inside(x + 1, y + 1))
        plane[p.Index(x, y)] = std::abs(plane[p.Index(x, y)] - plane[p.Index(x + 1, y + 1)] + 128);
  });
}

}  // namespace

TEST(Relief, AFlatPictureBecomesMidGreyButTheRightColumnAndBottomRow) {
  const ColorRef flat = PackRGB(30, 140, 250);
  test::Session s(test::Flat(5, 4, flat));
  test::RunByKey(s.ws, "relief");
  for (int x = 0; x < 5; ++x)
    for (int y = 0; y < 4; ++y) {
      const bool edge = x == 4 || y == 3;
      EXPECT_EQ(s.Result(x, y), edge ? flat : PackRGB(128, 128, 128)) << x << ", " << y;
    }
}

TEST(Relief, ValuesStayUnclampedInThePlanes) {
  Channels planes;
  EXPECT_EQ(ReliefOfPair("relief", PackRGB(200, 10, 10), PackRGB(0, 10, 10), &planes),
            PackRGB(255, 128, 128));
  EXPECT_EQ(planes.r, 328);
  EXPECT_EQ(ReliefOfPair("relief", PackRGB(0, 0, 0), PackRGB(255, 255, 255)),
            PackRGB(127, 127, 127));
  EXPECT_EQ(ReliefOfPair("relief", PackRGB(255, 255, 255), PackRGB(0, 0, 0), &planes),
            PackRGB(255, 255, 255));
  EXPECT_EQ(planes.r, 383);
  EXPECT_EQ(planes.b, 383);
}

TEST(Relief, TheChannelTestIsBelowTheThreshold) {
  const ColorRef other = PackRGB(10, 20, 30);
  // Red 64 keeps the whole pixel; red 63 gets the relief on all three channels.
  EXPECT_EQ(ReliefOfPair("relief-red", PackRGB(64, 200, 200), other), PackRGB(64, 200, 200));
  EXPECT_EQ(ReliefOfPair("relief-red", PackRGB(63, 200, 200), other), PackRGB(181, 255, 255));
  EXPECT_EQ(ReliefOfPair("relief-green", PackRGB(200, 64, 200), other), PackRGB(200, 64, 200));
  EXPECT_EQ(ReliefOfPair("relief-green", PackRGB(200, 63, 200), other), PackRGB(255, 171, 255));
  EXPECT_EQ(ReliefOfPair("relief-blue", PackRGB(200, 200, 64), other), PackRGB(200, 200, 64));
  EXPECT_EQ(ReliefOfPair("relief-blue", PackRGB(200, 200, 63), other), PackRGB(255, 255, 161));
}

// Planes still waiting for the picture (read on several threads) and planes
// already split, which take the neighbours from the planes; pictures one
// pixel wide or high have no pixel with a lower-right neighbour.
TEST(Relief, MatchesTheStatementByStatementRoutine) {
  using Gets = std::function<bool(int32_t, int32_t, int32_t)>;
  using Routine = std::function<void(Module1&, const CallContext&, PictureSurface&)>;
  const std::pair<Routine, Gets> variants[] = {
      {Relief, [](int32_t, int32_t, int32_t) { return true; }},
      {[](Module1& m, const CallContext& c, PictureSurface& t) { ReliefRed(m, c, t, 64); },
       [](int32_t r, int32_t, int32_t) { return r < 64; }},
      {[](Module1& m, const CallContext& c, PictureSurface& t) { ReliefGreen(m, c, t, 100); },
       [](int32_t, int32_t g, int32_t) { return g < 100; }},
      {[](Module1& m, const CallContext& c, PictureSurface& t) { ReliefBlue(m, c, t, 200); },
       [](int32_t, int32_t, int32_t b) { return b < 200; }},
  };
  for (const Picture& p : {test::Noisy(37, 23), test::Noisy(1, 9), test::Noisy(9, 1)})
    for (bool split : {false, true})
      for (int threads : {1, 3})
        for (const auto& [relief, gets] : variants) {
          SCOPED_TRACE(testing::Message() << p->Width() << " x " << p->Height() << ", split "
                                          << split << ", threads " << threads);
          test::ExpectSameAsReference(
              p,
              [&](Module1& m, PictureSurface& t) {
                if (split) m.planes.PlaneR();
                relief(m, {.threads = threads}, t);
              },
              [&](Module1& m, PictureSurface& t) { ReferenceRelief(m, t, gets); });
        }
}

}  // namespace pixmora
