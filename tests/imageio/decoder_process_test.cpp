#include <gtest/gtest.h>
#include <stdlib.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <thread>

#include "core/cancel_token.h"
#include "imageio/bmp_header_fix.h"
#include "imageio/decode_file.h"
#include "imageio/decoder_process.h"
#include "imageio/mfreeimage.h"
#include "imageio/write_picture.h"
#include "tests/support/failure_of.h"
#include "tests/support/picture_files.h"
#include "tests/support/test_pictures.h"

namespace pixmora {

namespace {

void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

void Put32(std::vector<uint8_t>& b, uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
void Put16(std::vector<uint8_t>& b, uint16_t v) { b.push_back(v & 0xFF), b.push_back(v >> 8); }

// A 2 x 2 BMP with an info header of the given size: red, green over blue, white.
std::vector<uint8_t> Bmp(uint32_t infoSize, int32_t width = 2, int32_t height = 2, uint16_t bpp = 24) {
  const std::vector<uint8_t> pixels = {255, 0, 0, 255, 255, 255, 0, 0,   // bottom row: blue, white
                                       0, 0, 255, 0, 255, 0, 0, 0};      // top row: red, green
  std::vector<uint8_t> b = {'B', 'M'};
  Put32(b, 14 + infoSize + static_cast<uint32_t>(pixels.size()));
  Put32(b, 0);
  Put32(b, 14 + infoSize);
  Put32(b, infoSize);
  Put32(b, static_cast<uint32_t>(width));
  Put32(b, static_cast<uint32_t>(height));
  Put16(b, 1);
  Put16(b, bpp);
  Put32(b, 0);
  Put32(b, static_cast<uint32_t>(pixels.size()));
  Put32(b, 2835), Put32(b, 2835), Put32(b, 0), Put32(b, 0);
  b.resize(14 + infoSize, 0);
  b.insert(b.end(), pixels.begin(), pixels.end());
  return b;
}

}  // namespace

TEST(Decoder, NewerBmpHeadersOpen) {
  test::ScratchFolder s;
  for (uint32_t info : {40u, 52u, 56u, 108u, 124u}) {
    const std::string path = s.dir + "h" + std::to_string(info) + ".bmp";
    WriteBytes(path, Bmp(info));
    const Picture p = LoadImageAsPicture(path, 0, {}, {}, false, 3, nullptr).value_or(nullptr);
    ASSERT_TRUE(p) << info;
    EXPECT_EQ(p->At(0, 0), PackRGB(255, 0, 0)) << info;
    EXPECT_EQ(p->At(1, 0), PackRGB(0, 255, 0)) << info;
    EXPECT_EQ(p->At(0, 1), PackRGB(0, 0, 255)) << info;
    EXPECT_EQ(p->At(1, 1), PackRGB(255, 255, 255)) << info;
  }
  EXPECT_TRUE(WithClassicBmpHeader(Bmp(40)).empty()) << "a classic BMP needs no change";
}

TEST(Decoder, BitmapsFromTheChildEqualInProcessLoading) {
  test::ScratchFolder s;
  FIBITMAP* colour = test::BitmapOf(test::Varied(37, 23)).release();
  FIBITMAP* palette = FreeImage_ColorQuantize(colour, FIQ_WUQUANT);
  FIBITMAP* grey = FreeImage_ConvertToGreyscale(colour);
  FIBITMAP* rgba = FreeImage_ConvertTo32Bits(colour);
  const std::pair<FIBITMAP*, int> files[] = {
      {colour, FIF_BMP}, {colour, FIF_JPEG}, {colour, FIF_PNG}, {colour, FIF_TIFF}, {palette, FIF_GIF},
      {palette, FIF_BMP}, {grey, FIF_PNG}, {rgba, FIF_TARGA}, {rgba, FIF_PNG}, {colour, FIF_PPM}};
  int n = 0;
  for (auto [bitmap, format] : files) {
    const std::string path = s.dir + "f" + std::to_string(n++);
    ASSERT_TRUE(SaveBitmap(format, bitmap, path, 0)) << format;
    // FreeImage's own reading, in this process (JPEG files are decoded
    // without it in the child).
    const Bitmap inProcess(LoadBitmap(format, path, 0));
    const DecodeResult child = DecodeInChild(path, 0);
    ASSERT_TRUE(inProcess && child) << format;
    EXPECT_EQ(child->format, FreeImage_GetFileType(path.c_str(), 0));
    FIBITMAP* a = inProcess.get();
    FIBITMAP* b = child->bitmap.get();
    EXPECT_EQ(FreeImage_GetDotsPerMeterX(a), FreeImage_GetDotsPerMeterX(b)) << format;
    ASSERT_EQ(FreeImage_GetBPP(a), FreeImage_GetBPP(b)) << format;
    ASSERT_EQ(FreeImage_GetPitch(a), FreeImage_GetPitch(b));
    ASSERT_EQ(FreeImage_GetColorsUsed(a), FreeImage_GetColorsUsed(b));
    EXPECT_EQ(std::memcmp(FreeImage_GetBits(a), FreeImage_GetBits(b),
                          FreeImage_GetPitch(a) * FreeImage_GetHeight(a)), 0) << format;
    if (FreeImage_GetPalette(a)) {
      EXPECT_EQ(std::memcmp(FreeImage_GetPalette(a), FreeImage_GetPalette(b),
                            FreeImage_GetColorsUsed(a) * sizeof(RGBQUAD)), 0);
    }
  }
  for (FIBITMAP* b : {colour, palette, grey, rgba}) FreeImage_Unload(b);
}

TEST(Decoder, ClaimedSizesBeyondTheLimitsAreRefusedByName) {
  test::ScratchFolder s;
  WriteBytes(s.dir + "wide.bmp", Bmp(40, 40000, 2));
  WriteBytes(s.dir + "huge.bmp", Bmp(40, 30000, 30000));
  std::vector<uint8_t> gif = {'G', 'I', 'F', '8', '9', 'a', 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, ';'};
  WriteBytes(s.dir + "huge.gif", gif);
  for (const char* name : {"wide.bmp", "huge.gif"}) {
    const std::string why = test::FailureOf(DecodeInChild(s.dir + name, 0)).why;
    EXPECT_NE(why.find(" pixels"), std::string::npos) << name << ": " << why;
  }
  EXPECT_EQ(test::FailureOf(LoadImageFile(s.dir + "wide.bmp", 0, {}, {}, false, 3, nullptr)).Message(),
            "cannot read " + s.dir + "wide.bmp: 40000 x 2 pixels is larger than 32767 pixels a side");
  EXPECT_FALSE(DecodeInChild(s.dir + "huge.bmp", 0)) << "900 megapixels in a 70-byte file";
}

TEST(Decoder, ACrashingOrHangingDecoderIsADamagedFile) {
  test::ScratchFolder s;
  WriteBytes(s.dir + "a.bmp", Bmp(40));
  const std::string crash = s.dir + "crash.sh", hang = s.dir + "hang.sh";
  // It crashes on the file, once the request has come (a decoder that ends
  // before it is asked is a missing one, not a damaged file).
  std::ofstream(crash) << "#!/bin/sh\nhead -c 1 >/dev/null\nkill -SEGV $$\n";
  std::ofstream(hang) << "#!/bin/sh\nexec sleep 30\n";
  std::filesystem::permissions(crash, std::filesystem::perms::owner_all);
  std::filesystem::permissions(hang, std::filesystem::perms::owner_all);
  setenv("PIXMORA_DECODE", crash.c_str(), 1);
  EXPECT_EQ(test::FailureOf(DecodeInChild(s.dir + "a.bmp", 0)).why, kDamaged);
  setenv("PIXMORA_DECODE", hang.c_str(), 1);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(test::FailureOf(DecodeInChild(s.dir + "a.bmp", 0, 1)).why, kDamaged);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10)) << "killed, not waited for";
  unsetenv("PIXMORA_DECODE");
  EXPECT_TRUE(DecodeInChild(s.dir + "a.bmp", 0));
}

// A decoder that announces a large picture is waited for longer: this one
// claims 20000 x 1000 pixels (two seconds more), then takes one and a half
// seconds before the real decoder answers, against a wait of one second.
TEST(Decoder, ALargeClaimedPictureIsWaitedForLonger) {
  test::ScratchFolder s;
  WriteBytes(s.dir + "a.bmp", Bmp(40));
  const std::string slow = s.dir + "slow.sh";
  std::ofstream(slow) << "#!/bin/sh\n"
                         "printf 'PXMSIZE\\000\\040\\116\\000\\000\\000\\000\\000\\000"
                         "\\350\\003\\000\\000\\000\\000\\000\\000'\n"
                         "sleep 1.5\nexec '" << DecoderPath() << "' \"$@\"\n";
  std::filesystem::permissions(slow, std::filesystem::perms::owner_all);
  setenv("PIXMORA_DECODE", slow.c_str(), 1);
  const DecodeResult r = DecodeInChild(s.dir + "a.bmp", 0, 1);
  unsetenv("PIXMORA_DECODE");
  EXPECT_TRUE(r) << r.error().Message();
}

// The window cancels a job from its own thread: the decode the job waits
// for ends with its child (this one would sleep for ten minutes), and a file
// the job writes does not replace the one that stood.
TEST(Decoder, ACancelledJobKillsItsDecodeAndKeepsTheOldFile) {
  test::ScratchFolder s;
  WriteBytes(s.dir + "a.bmp", Bmp(40));
  const std::string hang = s.dir + "hang.sh", started = s.dir + "started";
  std::ofstream(hang) << "#!/bin/sh\ntouch '" << started << "'\nexec sleep 600\n";
  std::filesystem::permissions(hang, std::filesystem::perms::owner_all);
  setenv("PIXMORA_DECODE", hang.c_str(), 1);
  CancelToken token;
  std::thread window([&] {
    while (!std::filesystem::exists(started)) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    token.Cancel();
  });
  {
    CancelScope scope(token);
    EXPECT_EQ(test::FailureOf(DecodeInChild(s.dir + "a.bmp", 0, 600)).why, kDamaged);
    EXPECT_EQ(test::FailureOf(WritePictureFile(test::Varied(4, 4), s.dir + "a.bmp", PictureFormat::Png)).why,
              "cancelled");
  }
  window.join();
  unsetenv("PIXMORA_DECODE");
  EXPECT_TRUE(DecodeInChild(s.dir + "a.bmp", 0)) << "the old file stands";
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(s.dir), {}), 3) << "no temporary file left";
}

}  // namespace pixmora
