// Passes that read image A's channels while the planes wait for it, and
// leave the planes waiting for their result, must give the pixels and the
// plane cells of the same pass on planes loaded beforehand: on one thread and
// on three, with a shape painted over part of the target, and with pixels
// that are not colours (what a point outside a picture reads as), whose cells
// the result's channels do not give.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "core/load_planes.h"
#include "ops/colour/gradient.h"
#include "ops/effects/blinds.h"
#include "ops/filters/highlight.h"
#include "ops/filters/random_filters.h"
#include "ops/filters/relief.h"
#include "ops/mixing/mixing.h"
#include "tests/ops/filters/filter_test_support.h"

namespace pixmora {

namespace {

using Pass = std::function<void(Workspace&, const CallContext&)>;

// Noise with a few pixels that are not colours.
Picture WithNonColours(int w, int h, unsigned seed) {
  const Picture noisy = test::Noisy(w, h, seed);
  return test::MakeTestPicture(w, h, [&](int x, int y) {
    return (x * 5 + y * 3) % 11 == 0 ? kInvalidColour : noisy->At(x, y);
  });
}

// Image A with a black pixel wherever image B has no colour: a blend towards
// one then leaves cells of -1.
Picture ImageA(int w, int h) {
  const Picture noisy = test::Noisy(w, h, 3);
  return test::MakeTestPicture(w, h, [&](int x, int y) { return x % 2 ? PackRGB(0, 0, 0) : noisy->At(x, y); });
}

struct Outcome {
  std::vector<ColorRef> pixels;
  std::vector<int32_t> cells;
};

Outcome Run(const Pass& pass, bool loadFirst, int threads, int w, int h) {
  test::Session s(ImageA(w, h));
  s.ws.Pic2.SetPicture(WithNonColours(w, h, 5));
  s.ws.Pic3.SetPicture(WithNonColours(9, 6, 8));
  s.ws.PatPic.SetPicture(WithNonColours(4, 3, 9));
  LoadPlanes(s.ws.m, {}, s.ws.Pic1, s.ws.Pic4, 0, 0, static_cast<int16_t>(w), static_cast<int16_t>(h));
  if (loadFirst) s.ws.m.planes.PlaneR();  // settles the load
  pass(s.ws, {.threads = threads});
  Outcome o;
  for (int x = 0; x < w; ++x)
    for (int y = 0; y < h; ++y) {
      o.pixels.push_back(s.Result(x, y));
      const Channels c = test::PlaneCell(s.ws.m, x, y);
      o.cells.insert(o.cells.end(), {c.r, c.g, c.b});
    }
  return o;
}

// On 23 x 17 pixels, or 9 x 200 (three bands of rows on three threads).
void ExpectSameWhetherLoaded(const char* what, const Pass& pass, bool tall = false) {
  SCOPED_TRACE(what);
  const int w = tall ? 9 : 23, h = tall ? 200 : 17;
  const Outcome loaded = Run(pass, true, 1, w, h);
  for (int threads : {1, 3}) {
    const Outcome waiting = Run(pass, false, threads, w, h);
    EXPECT_EQ(waiting.pixels, loaded.pixels) << threads << " threads";
    EXPECT_EQ(waiting.cells, loaded.cells) << threads << " threads";
  }
}

}  // namespace

TEST(WaitingPlanes, TheBlendsLeaveTheCellsOfLoadedPlanes) {
  ExpectSameWhetherLoaded("gradient", [](Workspace& ws, const CallContext& call) {
    Gradient(ws.m, call, ws.Pic4, 6, 10, 200, 30, 250, 0, 90);
  });
  ExpectSameWhetherLoaded("mix", [](Workspace& ws, const CallContext& call) { MixImages(ws.m, call, ws.Pic4, ws.Pic2, 7); });
  ExpectSameWhetherLoaded("slide", [](Workspace& ws, const CallContext& call) { SlideImage(ws.m, call, ws.Pic4, ws.Pic2); });
  ExpectSameWhetherLoaded("pattern", [](Workspace& ws, const CallContext& call) { MixPattern(ws.m, call, ws.Pic4, ws.PatPic, 4); });
  for (float size : {10.0f, 13.0f, 4.0f})  // the shape at its own size (colours copied), larger, smaller
    ExpectSameWhetherLoaded(
        "shape", [size](Workspace& ws, const CallContext& call) { InsertShape(ws.m, call, ws.Pic4, ws.Pic3, 6, size); });
}

TEST(WaitingPlanes, TheBlindsLeaveTheCellsOfLoadedPlanes) {
  for (int16_t reversed : {0, 1}) {
    ExpectSameWhetherLoaded("horizontal", [reversed](Workspace& ws, const CallContext& call) {
      ws.Pic4.SetPicture(nullptr);
      HorizontalBlinds(ws.m, call, ws.Pic4, 5, reversed);
    });
    ExpectSameWhetherLoaded("vertical", [reversed](Workspace& ws, const CallContext& call) {
      ws.Pic4.SetPicture(nullptr);
      VerticalBlinds(ws.m, call, ws.Pic4, 7, reversed);
    });
  }
}

TEST(WaitingPlanes, TheFiltersLeaveTheCellsOfLoadedPlanes) {
  for (bool tall : {false, true}) {
    ExpectSameWhetherLoaded(
        "highlight", [](Workspace& ws, const CallContext& call) { Highlight(ws.m, call, ws.Pic4); }, tall);
    ExpectSameWhetherLoaded(
        "disorder", [](Workspace& ws, const CallContext& call) { Disorder(ws.m, call, ws.Pic4); }, tall);
    ExpectSameWhetherLoaded(
        "relief", [](Workspace& ws, const CallContext& call) { ReliefGreen(ws.m, call, ws.Pic4, 140); }, tall);
  }
}

}  // namespace pixmora
