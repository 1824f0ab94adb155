// The blend rule of the Mix Image commands: p = (1 - w) * p + w * v in double
// precision, rounded half to even and stored back into the plane.
#pragma once
#include <algorithm>
#include <cstdint>

#include "core/colour_ref.h"
#include "core/numeric.h"
#include "core/prefetch_ahead.h"

namespace pixmora {

// A control value 1..10 made a weight 0.1 .. 1.0 in single precision.
inline float Tenth(float value) { return value / 10.0f; }

// A blend weight and its complement, both formed once in double precision.
// The weights of the menus are held in single precision; the caller converts.
struct Weight {
  explicit Weight(double w) : keep(1.0 - w), take(w) {}
  double keep;
  double take;
};

// The plane value p moved towards v; p itself when the result leaves 32 bits
// (the store is abandoned). Written without branches so that pixel loops
// vectorise.
inline int32_t Blended(int32_t p, const Weight& w, int32_t v) {
  const double r = RoundHalfEven(w.keep * p + w.take * v);
  const bool fits = r >= -2147483648.0 && r <= 2147483647.0;
  const auto q = static_cast<int32_t>(fits ? r : 0.0);
  return fits ? q : p;
}

// The three planes of a pixel moved towards the channels v, or left alone
// when blend is false.
inline void BlendPlanes(int32_t& R, int32_t& G, int32_t& B, const Weight& w, Channels v,
                        bool blend = true) {
  const int32_t r = Blended(R, w, v.r), g = Blended(G, w, v.g), b = Blended(B, w, v.b);
  R = blend ? r : R;
  G = blend ? g : G;
  B = blend ? b : B;
}

// Whether count pixels are all colours (no invalid colour among them).
inline bool HoldsColours(const ColorRef* pixels, int count) {
  uint32_t outside = 0;
  for (int y = 0; y < count; ++y) outside |= pixels[y] > 0xFFFFFFu;
  return outside == 0;
}

// One pixel whose planes hold colour bytes (0..255), blended towards the
// colour v and written RGB(R, G, B) into out. Every blend stays within
// 0..255 and the composition succeeds, so nothing can fail. With
// kBlackKeeps, a black v leaves the planes as they are.
template <bool kBlackKeeps>
inline void BlendColourByte(int32_t& R, int32_t& G, int32_t& B, ColorRef v, ColorRef& out,
                            const Weight& w) {
  // Under black the weights 1 and 0 give back each value exactly.
  const bool still = kBlackKeeps && v == 0;
  const double wKeep = w.keep, wTake = w.take;  // read whatever the choice
  const double keep = still ? 1.0 : wKeep, take = still ? 0.0 : wTake;
  const Channels t = ChannelBytes(v);
  R = static_cast<int32_t>(RoundHalfEven(keep * R + take * t.r));
  G = static_cast<int32_t>(RoundHalfEven(keep * G + take * t.g));
  B = static_cast<int32_t>(RoundHalfEven(keep * B + take * t.b));
  out = PackRGB(R, G, B);
}

// count pixels whose cells would hold the bytes of start[y], each blended
// towards towards[y] and written into out[y] (towards may be out itself);
// the cells themselves are left alone.
// A cache line of pixels at a time, the colours read asked for ahead.
template <bool kBlackKeeps = false>
inline void BlendFromColourBytes(const ColorRef* start, const ColorRef* towards, ColorRef* out, int count,
                                 const Weight& w) {
  constexpr int kPixelsPerLine = 16;
  for (int y0 = 0; y0 < count; y0 += kPixelsPerLine) {
    PrefetchAhead(start + y0);
    PrefetchAhead(towards + y0);
    for (int y = y0; y < std::min(count, y0 + kPixelsPerLine); ++y) {
      const Channels s = ChannelBytes(start[y]);
      int32_t R = s.r, G = s.g, B = s.b;
      BlendColourByte<kBlackKeeps>(R, G, B, towards[y], out[y], w);
    }
  }
}

// count such pixels, each towards towards[y], written into out[y]; towards
// may be out itself.
template <bool kBlackKeeps = false>
inline void BlendColourBytes(int32_t* __restrict R, int32_t* __restrict G, int32_t* __restrict B,
                             const ColorRef* towards, ColorRef* out, int count, const Weight& w) {
  for (int y = 0; y < count; ++y) BlendColourByte<kBlackKeeps>(R[y], G[y], B[y], towards[y], out[y], w);
}

}  // namespace pixmora
