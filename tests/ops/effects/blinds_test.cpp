#include <gtest/gtest.h>

#include <string_view>

#include "tests/support/test_pictures.h"

namespace pixmora {

namespace {

// White through one band of 20: 255 - 255 * b / 20 for b = 0 .. 19.
constexpr int kBand[20] = {255, 242, 230, 217, 204, 191, 178, 166, 153, 140,
                           128, 115, 102, 89,  76,  64,  51,  38,  26,  13};
// Reversed: b = 20, 19, .., 1.
constexpr int kReversedBand[20] = {0,   13,  26,  38,  51,  64,  76,  89,  102, 115,
                                   128, 140, 153, 166, 178, 191, 204, 217, 230, 242};

ColorRef Grey(int v) { return PackRGB(v, v, v); }

}  // namespace

// Horizontal blinds band the rows, vertical ones the columns; the picture of
// the first case is taller than one block of rows.
TEST(Blinds, WhiteThroughSeveralBands) {
  const struct {
    std::string_view key;
    int w, h;
    const int* band;
  } cases[] = {{"horizontal-blinds", 3, 150, kBand}, {"horizontal-blinds-reversed", 2, 41, kReversedBand},
               {"vertical-blinds", 42, 2, kBand}, {"vertical-blinds-reversed", 42, 2, kReversedBand}};
  for (const auto& c : cases) {
    test::Session s(test::Flat(c.w, c.h, PackRGB(255, 255, 255)));
    test::RunByKey(s.ws, std::string(c.key));
    const bool rows = c.key.starts_with("horizontal");
    for (int x = 0; x < c.w; ++x)
      for (int y = 0; y < c.h; ++y)
        ASSERT_EQ(s.Result(x, y), Grey(c.band[(rows ? y : x) % 20]))
            << c.key << ": " << x << ", " << y;
  }
}

TEST(HorizontalBlinds, ChannelsScaleOnTheirOwn) {
  test::Session s(test::Flat(1, 21, PackRGB(200, 255, 0)));
  test::RunByKey(s.ws, "horizontal-blinds");
  EXPECT_EQ(s.Result(0, 1), PackRGB(190, 242, 0));
  EXPECT_EQ(s.Result(0, 6), PackRGB(140, 178, 0));
  EXPECT_EQ(s.ws.m.planes.G(0, 6), 178) << "the planes keep the darkened values";
  test::RunByKey(s.ws, "horizontal-blinds-reversed");
  EXPECT_EQ(s.Result(0, 0), PackRGB(0, 0, 0)) << "b = 20 scales by 0";
}

}  // namespace pixmora
