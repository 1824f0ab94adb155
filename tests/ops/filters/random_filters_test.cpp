#include <gtest/gtest.h>

#include <cstdlib>
#include <map>

#include "ops/filters/random_filters.h"
#include "tests/ops/filters/filter_test_support.h"

namespace pixmora {

namespace {

int16_t Offset(float r, int16_t k) {
  int16_t d = 0;
  ToInt16(static_cast<double>(r) * static_cast<float>(k) - 2.0, d);
  return d;
}

ColorRef Shifted(ColorRef input, int d) {
  const Channels c = SplitColour(input);
  ColorRef out = 0;
  EXPECT_TRUE(ComposeRGB(std::abs(c.r + d), std::abs(c.g + d), std::abs(c.b + d), out));
  return out;
}

int32_t Darkened(float r, int32_t c) {
  int32_t out = 0;
  ToInt32((static_cast<double>(r) * c + c) / 2, out);
  return out;
}

// Runs a Filters command on a noisy picture and compares every pixel, column
// by column, with expected(replay, input) drawing from a fresh source; the
// command must have drawn nothing more.
void ExpectReplayedColumnByColumn(
    const std::string& key, const std::function<ColorRef(RandomSource&, ColorRef)>& expected) {
  const Picture p = test::Noisy(13, 11);
  test::Session s(p);
  test::RunByKey(s.ws, key);
  RandomSource replay;
  for (int x = 0; x < 13; ++x)
    for (int y = 0; y < 11; ++y)
      ASSERT_EQ(s.Result(x, y), expected(replay, p->At(x, y))) << x << ", " << y;
  EXPECT_EQ(s.ws.m.random.Next(), replay.Next()) << "no other draws";
}

}  // namespace

TEST(Diffuse, OneDrawPerPixelColumnByColumn) {
  ExpectReplayedColumnByColumn("diffuse", [](RandomSource& replay, ColorRef input) {
    return Shifted(input, Offset(replay.Next(), 150));
  });
}

TEST(Diffuse, OffsetsRunFromMinusTwoTo148WithHalfWeightEnds) {
  test::Session s(test::Flat(300, 300, PackRGB(100, 100, 100)));
  test::RunByKey(s.ws, "diffuse");
  std::map<int, int> count;
  for (int x = 0; x < 300; ++x)
    for (int y = 0; y < 300; ++y) {
      const Channels c = SplitColour(s.Result(x, y));
      ASSERT_TRUE(c.r == c.g && c.g == c.b);
      ++count[c.r - 100];
    }
  EXPECT_EQ(count.begin()->first, -2);
  EXPECT_EQ(count.rbegin()->first, 148);
  EXPECT_EQ(count.size(), 151u);
  const double inner = 90000.0 / 150;  // each of -1..147 takes 1/150 of the draws
  for (const auto& [d, n] : count) {
    const double expected = d == -2 || d == 148 ? inner / 2 : inner;
    EXPECT_NEAR(n, expected, expected * 0.3) << "offset " << d;
  }
}

TEST(Haze, OneDrawPerRowTopToBottom) {
  const Picture p = test::Noisy(13, 11);
  test::Session s(p);
  test::RunByKey(s.ws, "haze");
  RandomSource replay;
  for (int y = 0; y < 11; ++y) {
    const int d = Offset(replay.Next(), 200);
    for (int x = 0; x < 13; ++x)
      ASSERT_EQ(s.Result(x, y), Shifted(p->At(x, y), d)) << x << ", " << y;
  }
  EXPECT_EQ(s.ws.m.random.Next(), replay.Next()) << "no other draws";
}

TEST(Disorder, ThreeDrawsPerPixelRedGreenBlue) {
  ExpectReplayedColumnByColumn("disorder", [](RandomSource& replay, ColorRef input) {
    const Channels c = SplitColour(input);
    const int32_t r = Darkened(replay.Next(), c.r);
    const int32_t g = Darkened(replay.Next(), c.g);
    const int32_t b = Darkened(replay.Next(), c.b);
    return PackRGB(r, g, b);
  });
}

}  // namespace pixmora
