#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>

#include "ops/filters/random_filters.h"
#include "tests/ops/filters/filter_test_support.h"

namespace pixmora {

namespace {

constexpr int kDiffuse = 8, kHaze = 15, kDisorder = 16;

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

// Draws n numbers; answers the next one.
float After(RandomSource& random, long n) {
  for (long i = 0; i < n; ++i) random.Next();
  return random.Next();
}

// Runs a Filters command on a noisy picture and compares every pixel, column
// by column, with expected(replay, input) drawing from a fresh source; the
// command must have drawn nothing more.
void ExpectReplayedColumnByColumn(
    int index, const std::function<ColorRef(RandomSource&, ColorRef)>& expected) {
  const Picture p = test::Noisy(13, 11);
  test::Session s(p);
  mnuFil_Click(s.ws, static_cast<int16_t>(index));
  RandomSource replay;
  for (int x = 0; x < 13; ++x)
    for (int y = 0; y < 11; ++y)
      ASSERT_EQ(s.Result(x, y), expected(replay, p->At(x, y))) << x << ", " << y;
  EXPECT_EQ(s.ws.m.random.Next(), replay.Next()) << "no other draws";
}

}  // namespace

TEST(Diffuse, OneDrawPerPixelColumnByColumn) {
  ExpectReplayedColumnByColumn(kDiffuse, [](RandomSource& replay, ColorRef input) {
    return Shifted(input, Offset(replay.Next(), 150));
  });
}

TEST(Diffuse, PixelsBeyondThePlanesStillDrawAndKeepTheirColour) {
  test::Loaded l(test::Flat(3, 2, PackRGB(100, 100, 100)), 4, 5, 0x00123456);
  Diffuse(l.m, l.target, 3);
  EXPECT_EQ(l.target.Point(3, 0), 0x00123456u);
  EXPECT_EQ(l.target.Point(0, 4), 0x00123456u);
  RandomSource replay;
  EXPECT_EQ(l.m.random.Next(), After(replay, 20));
}

TEST(Diffuse, OffsetsRunFromMinusTwoTo148WithHalfWeightEnds) {
  test::Session s(test::Flat(300, 300, PackRGB(100, 100, 100)));
  mnuFil_Click(s.ws, kDiffuse);
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

TEST(Diffuse, GreyStaysGreyAndBlackAndWhiteStayNearTheirEnds) {
  test::Session grey(test::MakeTestPicture(60, 50, [](int x, int y) {
    const int v = (x * 5 + y * 3) % 256;
    return PackRGB(v, v, v);
  }));
  mnuFil_Click(grey.ws, kDiffuse);
  for (int x = 0; x < 60; ++x)
    for (int y = 0; y < 50; ++y) {
      const Channels c = SplitColour(grey.Result(x, y));
      ASSERT_TRUE(c.r == c.g && c.g == c.b);
    }
  test::Session black(test::Flat(100, 100, 0));
  mnuFil_Click(black.ws, kDiffuse);
  std::set<int> blackValues, whiteValues;
  for (int x = 0; x < 100; ++x)
    for (int y = 0; y < 100; ++y) blackValues.insert(SplitColour(black.Result(x, y)).r);
  EXPECT_EQ(*blackValues.begin(), 0);
  EXPECT_EQ(*blackValues.rbegin(), 148);
  EXPECT_TRUE(blackValues.count(2)) << "-2 folds back to 2";
  test::Session white(test::Flat(100, 100, PackRGB(255, 255, 255)));
  mnuFil_Click(white.ws, kDiffuse);
  for (int x = 0; x < 100; ++x)
    for (int y = 0; y < 100; ++y) whiteValues.insert(SplitColour(white.Result(x, y)).r);
  EXPECT_EQ(whiteValues, (std::set<int>{253, 254, 255}));
}

TEST(Diffuse, AnOverflowingFactorLeavesEveryOffsetAtMinusTwo) {
  test::Loaded l(test::Flat(4, 4, PackRGB(100, 50, 0)));
  Diffuse(l.m, l.target, 1000);  // 50000 does not fit 16 bits
  for (int x = 0; x < 4; ++x)
    for (int y = 0; y < 4; ++y) EXPECT_EQ(l.target.Point(x, y), PackRGB(98, 48, 2));
}

TEST(Haze, OneDrawPerRowTopToBottom) {
  const Picture p = test::Noisy(13, 11);
  test::Session s(p);
  mnuFil_Click(s.ws, kHaze);
  RandomSource replay;
  for (int y = 0; y < 11; ++y) {
    const int d = Offset(replay.Next(), 200);
    for (int x = 0; x < 13; ++x)
      ASSERT_EQ(s.Result(x, y), Shifted(p->At(x, y), d)) << x << ", " << y;
  }
  EXPECT_EQ(s.ws.m.random.Next(), replay.Next()) << "no other draws";
}

TEST(Haze, EveryRowGetsOneOffset) {
  test::Session s(test::Flat(40, 400, PackRGB(10, 10, 10)));
  mnuFil_Click(s.ws, kHaze);
  std::set<int> offsets;
  for (int y = 0; y < 400; ++y) {
    for (int x = 1; x < 40; ++x) ASSERT_EQ(s.Result(x, y), s.Result(0, y));
    const Channels c = SplitColour(s.Result(0, y));
    ASSERT_TRUE(c.r == c.g && c.g == c.b);
    offsets.insert(c.r - 10);
  }
  EXPECT_GE(*offsets.begin(), -2);
  EXPECT_LE(*offsets.rbegin(), 198);
  EXPECT_GT(offsets.size(), 100u) << "rows differ";
}

TEST(Haze, WritesTheFactorBackIntoTheCallersStrength) {
  test::Loaded l(test::Flat(3, 3, PackRGB(1, 2, 3)));
  int16_t strength = 20;
  Haze(l.m, l.target, strength);
  EXPECT_EQ(strength, 200);
}

TEST(Haze, AnOverflowLeavesTheStrengthAsTheFactor) {
  const Picture p = test::Noisy(5, 6);
  test::Loaded l(p);
  int16_t strength = 4000;  // 40000 does not fit 16 bits
  Haze(l.m, l.target, strength);
  EXPECT_EQ(strength, 4000);
  RandomSource replay;
  for (int y = 0; y < 6; ++y) {
    const int d = Offset(replay.Next(), 4000);
    EXPECT_EQ(l.m.planes.R(2, y), std::abs(SplitColour(p->At(2, y)).r + d));
  }
}

TEST(Haze, RowsBeyondThePlanesStillDraw) {
  test::Loaded l(test::Flat(3, 2, PackRGB(100, 100, 100)), 4, 5, 0x00123456);
  int16_t strength = 20;
  Haze(l.m, l.target, strength);
  EXPECT_EQ(l.target.Point(3, 1), 0x00123456u);
  EXPECT_EQ(l.target.Point(1, 3), 0x00123456u);
  RandomSource replay;
  EXPECT_EQ(l.m.random.Next(), After(replay, 5));
}

TEST(Disorder, ThreeDrawsPerPixelRedGreenBlue) {
  ExpectReplayedColumnByColumn(kDisorder, [](RandomSource& replay, ColorRef input) {
    const Channels c = SplitColour(input);
    const int32_t r = Darkened(replay.Next(), c.r);
    const int32_t g = Darkened(replay.Next(), c.g);
    const int32_t b = Darkened(replay.Next(), c.b);
    return PackRGB(r, g, b);
  });
}

TEST(Disorder, PixelsBeyondThePlanesDrawNothing) {
  test::Loaded l(test::Flat(3, 2, PackRGB(100, 100, 100)), 4, 5, 0x00123456);
  Disorder(l.m, l.target);
  EXPECT_EQ(l.target.Point(3, 4), 0x00123456u);
  RandomSource replay;
  EXPECT_EQ(l.m.random.Next(), After(replay, 18));
}

TEST(Disorder, AChannelMovesBetweenItsHalfAndItself) {
  test::Session s(test::MakeTestPicture(
      200, 200, [](int x, int) { return x < 100 ? PackRGB(255, 1, 0) : PackRGB(0, 255, 1); }));
  mnuFil_Click(s.ws, kDisorder);
  std::set<int> from255, from1;
  for (int x = 0; x < 200; ++x)
    for (int y = 0; y < 200; ++y) {
      const Channels c = SplitColour(s.Result(x, y));
      if (x < 100) {
        from255.insert(c.r), from1.insert(c.g);
        ASSERT_EQ(c.b, 0);
      } else {
        from255.insert(c.g), from1.insert(c.b);
        ASSERT_EQ(c.r, 0);
      }
    }
  EXPECT_GE(*from255.begin(), 128);
  EXPECT_LE(*from255.begin(), 130) << "close to the half over many pixels";
  EXPECT_EQ(*from255.rbegin(), 255);
  EXPECT_EQ(from1, (std::set<int>{1})) << "0.5 and up, and only 0.5 itself rounds to 0";
  EXPECT_EQ(Darkened(0.0f, 1), 0);
  EXPECT_EQ(Darkened(0.0f, 255), 128) << "127.5 rounds to the even 128";
}

TEST(Disorder, TheChannelsMoveIndependently) {
  test::Session s(test::Flat(10, 10, PackRGB(200, 200, 200)));
  mnuFil_Click(s.ws, kDisorder);
  int grey = 0;
  for (int x = 0; x < 10; ++x)
    for (int y = 0; y < 10; ++y) {
      const Channels c = SplitColour(s.Result(x, y));
      grey += c.r == c.g && c.g == c.b;
    }
  EXPECT_LT(grey, 5);
}

TEST(RandomFilters, RepeatingTheSameCommandsAfterAStartGivesTheSamePictures) {
  const Picture p = test::Noisy(20, 15);
  Picture first[2];
  for (Picture& result : first) {
    test::Session s(p);
    for (int index : {kDiffuse, kHaze, kDisorder}) mnuFil_Click(s.ws, static_cast<int16_t>(index));
    result = s.ws.Pic4.Image();
  }
  for (int x = 0; x < 20; ++x)
    for (int y = 0; y < 15; ++y) ASSERT_EQ(first[0]->At(x, y), first[1]->At(x, y));
}

}  // namespace pixmora
