// A command with a selection: inside it the very pixels of the same command
// run on the whole picture, image A outside, and across the feather a blend
// by each pixel's weight.
#include <gtest/gtest.h>

#include <cmath>

#include "ops/image/ellipse_distance.h"
#include "session/history/history.h"
#include "session/slider_command.h"
#include "tests/support/test_pictures.h"

namespace pixmora {
namespace {

// Whether the pixel's centre lies inside the shape, worked out apart from
// the code under test.
bool Inside(const Selection& s, int x, int y) {
  const double px = x + 0.5, py = y + 0.5;
  const Box& b = s.box;
  if (s.shape == SelectionShape::Rectangle)
    return px > b.x && px < b.x + b.width && py > b.y && py < b.y + b.height;
  const double a = b.width / 2.0, c = b.height / 2.0;
  return std::pow((px - b.x - a) / a, 2) + std::pow((py - b.y - c) / c, 2) < 1;
}

// The command (the slider's turn for "rotate") on the whole picture, and
// then with the selection, both from a fresh start.
void Compare(const std::string& key, const Selection& selection) {
  const Picture a = test::Varied(40, 30);
  test::Session whole(a), part(a);
  part.ws.selection = selection;
  for (test::Session* s : {&whole, &part}) {
    if (key == "rotate") Slider1_Change(s->ws, 1);
    else test::RunByKey(s->ws, key);
  }
  for (int x = 0; x < 40; ++x)
    for (int y = 0; y < 30; ++y)
      ASSERT_EQ(part.Result(x, y), Inside(selection, x, y) != selection.inverted ? whole.Result(x, y) : a->At(x, y))
          << key << " at " << x << ", " << y;
  EXPECT_EQ(part.ws.m.random.Next(), whole.ws.m.random.Next()) << key << ": the random source goes on alike";
}

TEST(Selection, InsideIsTheWholeRunAndOutsideIsImageA) {
  const Selection shapes[] = {{SelectionShape::Rectangle, {5, 4, 20, 13}},
                              {SelectionShape::Ellipse, {3, 2, 31, 25}},
                              {SelectionShape::Ellipse, {10, 0, 30, 30}, 0, true}};
  for (const char* key : {"grayscale", "mix-pattern", "disorder", "liquid", "squares", "rotate"})
    for (const Selection& s : shapes) Compare(key, s);
}

// Across the feather a pixel takes min(1, d / feather) of the result, d
// being its centre's distance inside the edge, each channel rounded half to
// even: here Delete red component over a red of 101.
TEST(Selection, TheFeatherBlendsByTheDistanceInside) {
  const auto red = [](int weighted) { return PackRGB(static_cast<uint32_t>(weighted), 60, 200); };
  test::Session s(test::Flat(50, 40, red(101)));
  s.ws.selection = Selection{SelectionShape::Rectangle, {10, 10, 20, 20}, 5};
  test::RunByKey(s.ws, "delete-red");
  EXPECT_EQ(s.Result(9, 20), red(101)) << "outside";
  EXPECT_EQ(s.Result(10, 20), red(91)) << "d 0.5: 101 x 0.9 = 90.9";
  EXPECT_EQ(s.Result(12, 20), red(50)) << "d 2.5: 50.5, half to even";
  EXPECT_EQ(s.Result(14, 20), red(10)) << "d 4.5: 10.1";
  EXPECT_EQ(s.Result(15, 20), red(0)) << "d 5.5: all of the result";
  EXPECT_EQ(s.Result(10, 10), red(91)) << "a corner: its nearest edge";

  // A circle's depth is its radius less the distance from its centre.
  s.ws.selection = Selection{SelectionShape::Ellipse, {5, 1, 37, 37}, 6};
  test::RunByKey(s.ws, "delete-red");
  for (int x = 0; x < 50; ++x)
    for (int y = 0; y < 40; ++y) {
      const double depth = 18.5 - std::hypot(x + 0.5 - 23.5, y + 0.5 - 19.5);
      const float w = depth <= 0 ? 0.0f : static_cast<float>(std::min(1.0, depth / 6));
      ASSERT_EQ(s.Result(x, y), red(static_cast<int>(std::nearbyint((1.0 - w) * 101)))) << x << ", " << y;
    }
}

// The distance to an ellipse's edge, against the nearest of many points of it.
TEST(Selection, TheDistanceToAnEllipseIsTheNearestPointsOfIt) {
  const double a = 20.5, b = 7.5;
  for (const auto& [u, v] : {std::pair{0.0, 0.0}, {3.0, 2.0}, {-17.0, 1.5}, {15.5, -0.0}, {0.0, 7.0}, {-9.0, -6.0}}) {
    double nearest = 1e9;
    for (int i = 0; i < 200000; ++i) {
      const double t = i * (2 * 3.14159265358979 / 200000);
      nearest = std::min(nearest, std::hypot(a * std::cos(t) - u, b * std::sin(t) - v));
    }
    EXPECT_NEAR(DistanceToEllipseEdge(a, b, u, v), nearest, 1e-4) << u << ", " << v;
    EXPECT_NEAR(DistanceToEllipseEdge(b, a, v, u), nearest, 1e-4) << "the axes the other way";
  }
}

TEST(Selection, UndoAndRedoBringTheSelectionBack) {
  test::Session s(test::Varied(20, 10));
  History history("", {1 << 30, 0});
  history.Start(CaptureState(s.ws), {});
  const Selection first{SelectionShape::Ellipse, {1, 2, 10, 5}, 3};
  const Selection second{SelectionShape::Rectangle, {0, 0, 4, 4}, 0, true};
  for (const Selection& selection : {first, second}) {
    s.ws.selection = selection;
    RecipeStep step;
    step.kind = RecipeStep::Kind::Select, step.selection = selection;
    history.Record("Select", "", {step}, CaptureState(s.ws));
  }
  RestoreState(s.ws, history.GoTo(1).value());
  EXPECT_EQ(s.ws.selection, first);
  RestoreState(s.ws, history.GoTo(0).value());
  EXPECT_FALSE(s.ws.selection);
  RestoreState(s.ws, history.GoTo(2).value());
  EXPECT_EQ(s.ws.selection, second);
}

}  // namespace
}  // namespace pixmora
