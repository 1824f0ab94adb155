// Every catalogue command on a few pictures, checked against digests recorded
// from the straightforward statement-by-statement routines. Any change to a
// routine's speed must leave these pixels, plane values, loop counters and
// random draws exactly as they were; a differing digest names the command.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>

#include "session/dispatch.h"
#include "core/load_planes.h"
#include "tests/support/test_pictures.h"

namespace pixmora {

namespace {

// A fixed pseudo-random colour per pixel (splitmix-style), independent of
// the program's random source.
ColorRef Scrambled(uint64_t seed, int x, int y) {
  uint64_t z = seed + 0x9E3779B97F4A7C15ull * (static_cast<uint64_t>(x) * 65536 + y + 1);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return static_cast<ColorRef>((z ^ (z >> 31)) & 0xFFFFFF);
}

Picture Noise(int w, int h, uint64_t seed) {
  return test::MakeTestPicture(w, h, [seed](int x, int y) { return Scrambled(seed, x, y); });
}

// Smooth ramps with a little noise and some black, like a photograph with shadows.
Picture PhotoLike(int w, int h) {
  return test::MakeTestPicture(w, h, [w, h](int x, int y) {
    const ColorRef n = Scrambled(7, x, y);
    if ((x / 9 + y / 7) % 5 == 0) return ColorRef{0};
    const uint32_t r = (x * 255 / w + (n & 7)) & 255;
    const uint32_t g = (y * 255 / h + ((n >> 8) & 7)) & 255;
    const uint32_t b = ((x + y) * 2 + ((n >> 16) & 15)) & 255;
    return PackRGB(r, g, b);
  });
}

class Digest {
 public:
  void Add(const void* data, size_t bytes) {
    const auto* p = static_cast<const unsigned char*>(data);
    for (size_t i = 0; i < bytes; ++i) h_ = (h_ ^ p[i]) * 0x100000001B3ull;
  }
  template <class T>
  void AddValue(T v) {
    Add(&v, sizeof v);
  }
  uint64_t Value() const { return h_; }

 private:
  uint64_t h_ = 0xCBF29CE484222325ull;
};

void AddState(Digest& d, Workspace& ws) {
  const PixelBuffer& out = *ws.Pic4.ImageBuffer();
  d.AddValue(out.Width());
  d.AddValue(out.Height());
  d.Add(out.Data(), out.Count() * sizeof(ColorRef));
  ChannelPlanes& p = ws.m.planes;
  const size_t cells = static_cast<size_t>(p.Width()) * p.Height();
  d.Add(p.PlaneR(), cells * 4), d.Add(p.PlaneG(), cells * 4), d.Add(p.PlaneB(), cells * 4);
  d.AddValue(ws.m.LoopX), d.AddValue(ws.m.LoopY), d.AddValue(ws.m.PixelColour);
}

// Runs every command on each picture in turn, in one session, so that the
// random source carries on from command to command; one digest per command.
std::map<std::string, uint64_t> RunEverything(int threads) {
  const Picture pictures[] = {Noise(61, 47, 1), PhotoLike(133, 101), Noise(1, 9, 2),
                              Noise(9, 1, 3), Noise(40, 33, 4)};
  Workspace ws;
  // Image B goes through a working file: each run has its own folders, so
  // that runs side by side never read one another's.
  const std::string root = test::MakeScratchFolder();
  ws.folders.data = root, ws.folders.temp = root, ws.folders.work = root;
  ws.threads = threads;
  ws.Pic3.SetPicture(PhotoLike(20, 15));
  ws.PatPic.SetPicture(Noise(16, 12, 5));
  ws.values.colour1[0] = 30, ws.values.colour1[1] = 140, ws.values.colour1[2] = 220;
  ws.values.strength = 4, ws.values.size = 7;
  std::map<std::string, Digest> digests;
  for (const Picture& a : pictures) {
    ws.Pic1.SetPicture(a);
    ws.Pic2.SetPicture(Noise(50, 70, 6));
    SizePlanes(ws.m, ws.Pic1);
    for (const CatalogueEntry& e : Catalogue()) {
      if (!e.run) continue;
      RunMenuRoutine(ws, e.menu, e.index);
      AddState(digests[e.key], ws);
    }
  }
  std::map<std::string, uint64_t> values;
  for (const auto& [name, d] : digests) values[name] = d.Value();
  values["random"] = static_cast<uint64_t>(ws.m.random.Next() * 0x1p24f);
  test::RemoveFolder(root);
  return values;
}

const std::map<std::string, uint64_t>& Recorded() {
  static const std::map<std::string, uint64_t> recorded = {
      {"aquarel", 0x101d0519abdaf811ull},
      {"black-white-1", 0xa69209c5c9540fa1ull},
      {"black-white-2", 0xec1f21f6bf430210ull},
      {"black-white-3", 0xbe6cbb061e8f5fd4ull},
      {"brighten", 0x9fe2eb2681e898b9ull},
      {"brown", 0x4f38e0fa55785651ull},
      {"circles", 0xce4ad6433a412367ull},
      {"coal", 0x42c3927d9482f4a5ull},
      {"consume", 0xd7687f56829e386bull},
      {"contrast", 0x82aaae49e68f7e17ull},
      {"dark", 0xe1b6055d1e8f12efull},
      {"darken", 0x48be25673456f7a4ull},
      {"delete-blue", 0x340e1eda65a4799ull},
      {"delete-green", 0xf01613e575d2117eull},
      {"delete-red", 0xb861a156599917d6ull},
      {"diffuse", 0x5b4200c1c6c84c53ull},
      {"disorder", 0x1d79039eeabda60dull},
      {"flame", 0x30f0c64ef1aba6adull},
      {"fog", 0x32153412452190f1ull},
      {"freeze", 0x5b1a1292bd095980ull},
      {"freeze-high", 0xe931b2f0b3d38edaull},
      {"full-colors", 0x51b394146e0a0dabull},
      {"gradient", 0x1abb335b2f32de15ull},
      {"grayscale", 0x70ff4d76bc372957ull},
      {"haze", 0x812d77cda990f272ull},
      {"highlight", 0xe1ccb249706b0a45ull},
      {"horizontal-blinds", 0xe1e8a9ae184c698bull},
      {"horizontal-blinds-reversed", 0x5bc96a625dc3f30full},
      {"horizontal-lines", 0xa3ca70154c502a5ull},
      {"image-negative", 0xddf9a7617ec94797ull},
      {"insert-shape", 0x3cad5472c73b421eull},
      {"liquid", 0xe1fe82b89d07fd71ull},
      {"merge", 0x4011a19bdfa3a3efull},
      {"mix-image-b", 0x74d65a37a648cc14ull},
      {"mix-pattern", 0x4105c890861f6042ull},
      {"negative-blue", 0xbf3971bb61d1c82full},
      {"negative-green", 0xa822df0fc8979373ull},
      {"negative-red", 0xcd248727669723dbull},
      {"obscure", 0x1281dc8a7b917de1ull},
      {"outline", 0x643ff2f3125f2318ull},
      {"partial-darkness", 0xd11c0af468fd95abull},
      {"rectangles", 0xa2e19109f3818e55ull},
      {"relief", 0xab0e8d3e6b5af083ull},
      {"relief-blue", 0xe7097904e0371e24ull},
      {"relief-green", 0x56505b5b772ada2eull},
      {"relief-red", 0xea795d29af540f9dull},
      {"slide-image", 0x1c382c2347598582ull},
      {"spooky", 0x8203a219172a5a2aull},
      {"squares", 0xad9d8b8dee2ca252ull},
      {"swap-green-blue", 0x1d162af3780b1849ull},
      {"swap-red-blue", 0x7cd0048c07b544b7ull},
      {"swap-red-green", 0x73373a62cc1fefebull},
      {"underlying-colors", 0x6c72db203d22a8dull},
      {"unreal", 0x427dbd634719584full},
      {"vertical-blinds", 0x7e8fa18ec46b4bffull},
      {"vertical-blinds-reversed", 0xcd8bf219900ee01bull},
      {"vertical-lines", 0x5320fe1afb4cd939ull},
      {"violet", 0x101ffafaece4c07dull},
      {"yellow", 0x16203df874fd220eull},
      {"random", 0x6a2c68ull},
      {"special:0", 0x4f38e0fa55785651ull},
      {"special:1", 0xe1fe82b89d07fd71ull},
      {"special:10", 0x101d0519abdaf811ull},
      {"special:2", 0x16203df874fd220eull},
      {"special:3", 0x42c3927d9482f4a5ull},
      {"special:4", 0xe1b6055d1e8f12efull},
      {"special:5", 0xd11c0af468fd95abull},
      {"special:6", 0x101ffafaece4c07dull},
      {"special:7", 0x8203a219172a5a2aull},
      {"special:8", 0x427dbd634719584full},
      {"special:9", 0x30f0c64ef1aba6adull},
  };
  return recorded;
}

void ExpectRecorded(int threads) {
  const std::map<std::string, uint64_t> got = RunEverything(threads);
  for (const auto& [name, value] : got) {
    const auto it = Recorded().find(name);
    if (it == Recorded().end()) {
      ADD_FAILURE() << "no digest for {\"" << name << "\", 0x" << std::hex << value << "ull},";
      continue;
    }
    EXPECT_EQ(it->second, value) << name << " 0x" << std::hex << value;
  }
}

}  // namespace

TEST(CommandDigest, EveryCommandGivesTheRecordedPixelsOnOneThread) { ExpectRecorded(1); }

TEST(CommandDigest, EveryCommandGivesTheSamePixelsOnSeveralThreads) {
  ExpectRecorded(2);
  ExpectRecorded(3);
}

}  // namespace pixmora
