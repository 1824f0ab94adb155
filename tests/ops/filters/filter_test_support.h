// Helpers of the Filters tests: commands on small pictures, planes loaded
// beside a target of any size, a plain statement-by-statement frame for
// reference routines, and the comparison of two runs.
#pragma once
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <random>
#include <string>

#include "core/load_planes.h"
#include "tests/support/test_pictures.h"

namespace pixmora::test {

// The result of one Filters menu command on a one-pixel picture.
inline ColorRef FilterPixel(const std::string& key, ColorRef pixel) {
  Session s(Flat(1, 1, pixel));
  RunByKey(s.ws, key);
  return s.Result(0, 0);
}

// Uneven noise from a fixed seed: any channel value anywhere.
inline Picture Noisy(int w, int h, unsigned seed = 7) {
  std::mt19937 gen(seed);
  return MakeTestPicture(w, h,
                         [&gen](int, int) { return static_cast<ColorRef>(gen() & 0xFFFFFF); });
}

inline Channels PlaneCell(Module1& m, int x, int y) {
  return {m.planes.R(x, y), m.planes.G(x, y), m.planes.B(x, y)};
}

inline std::array<int32_t*, 3> AllPlanes(Module1& m) {
  return {m.planes.PlaneR(), m.planes.PlaneG(), m.planes.PlaneB()};
}

// Planes loaded from a picture, and a target of the given size that holds the
// picture where it reaches and `fill` elsewhere.
struct Loaded {
  Loaded(const Picture& picture, int targetW, int targetH, ColorRef fill = 0x00ABCDEF)
      : target(targetW, targetH, fill) {
    PictureSurface pic1, scratch;
    pic1.SetPicture(picture);
    SizePlanes(m, pic1);
    LoadPlanes(m, {}, pic1, scratch, 0, 0, static_cast<int16_t>(picture->Width()),
               static_cast<int16_t>(picture->Height()));
    for (int x = 0; x < std::min(targetW, picture->Width()); ++x)
      for (int y = 0; y < std::min(targetH, picture->Height()); ++y)
        target.PSet(x, y, picture->At(x, y));
  }
  explicit Loaded(const Picture& picture) : Loaded(picture, picture->Width(), picture->Height()) {}
  Module1 m;
  PictureSurface target;
};

// The plain frame of a reference routine: columns outer and rows inner over
// the target; statements(x, y) runs one pixel's statements with every index
// checked, then the pixel is written as RGB of its plane cells, if they exist.
inline void ReferenceFrame(Module1& m, PictureSurface& target,
                           const std::function<void(int, int)>& statements) {
  ChannelPlanes& p = m.planes;
  for (int x = 0; x < target.Width(); ++x)
    for (int y = 0; y < target.Height(); ++y) {
      statements(x, y);
      ColorRef c;
      if (p.Inside(x, y) && ComposeRGB(p.R(x, y), p.G(x, y), p.B(x, y), c)) target.PSet(x, y, c);
    }
}

using Routine = std::function<void(Module1&, PictureSurface&)>;

// Runs both routines on equal planes and equal targets of the given size;
// every target pixel and every plane cell must agree.
inline void ExpectSameRun(const Picture& picture, int targetW, int targetH, const Routine& tried,
                          const Routine& reference) {
  Loaded a(picture, targetW, targetH), b(picture, targetW, targetH);
  tried(a.m, a.target);
  reference(b.m, b.target);
  for (int x = 0; x < targetW; ++x)
    for (int y = 0; y < targetH; ++y)
      ASSERT_EQ(a.target.Point(x, y), b.target.Point(x, y)) << "pixel " << x << ", " << y;
  for (int x = 0; x < a.m.planes.Width(); ++x)
    for (int y = 0; y < a.m.planes.Height(); ++y) {
      const Channels p = PlaneCell(a.m, x, y), q = PlaneCell(b.m, x, y);
      ASSERT_TRUE(p.r == q.r && p.g == q.g && p.b == q.b) << "plane cell " << x << ", " << y;
    }
}

// The same comparison on the picture's own size, on a target one column and
// one row larger, and on one a column and a row smaller.
inline void ExpectSameAsReference(const Picture& picture, const Routine& tried,
                                  const Routine& reference) {
  const int w = picture->Width(), h = picture->Height();
  ExpectSameRun(picture, w, h, tried, reference);
  ExpectSameRun(picture, w + 1, h + 1, tried, reference);
  ExpectSameRun(picture, w - 1, h - 1, tried, reference);
}

}  // namespace pixmora::test
