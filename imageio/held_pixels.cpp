#include "imageio/held_pixels.h"

#include <FreeImage.h>
#include <tiffio.h>

#include <fstream>
#include <limits>

#include "imageio/file_head.h"
#include "imageio/run_lengths.h"

namespace pixmora {

namespace {

constexpr int64_t kAnyPixels = std::numeric_limits<int64_t>::max();

// The most bytes (GIF: pixels) one byte of compressed data can stand for.
constexpr int64_t kDeflate = 1032;  // a 258-byte match in two bits
constexpr int64_t kPackBits = 64;   // 128 bytes in a two-byte packet
constexpr int64_t kLzw = 4096;      // a 12-bit code stands for 4096 at most: 2731 a byte, with headroom
constexpr int64_t kRunLength = 128; // runs of up to 256 in two or three bytes
// The most pixels a byte of JPEG holds: at least one bit codes each 8 x 8
// block, twice that with headroom.
constexpr int64_t kJpegPixels = 1024;

constexpr size_t kHeadBytes = 1 << 16;

int64_t PixelsIn(int64_t bytes, int bitsPerPixel) {
  return bitsPerPixel > 0 ? bytes * 8 / bitsPerPixel : kAnyPixels;
}

int64_t BmpHeld(const std::string& path, const FileHead& head, const Claim& claim) {
  const bool core = head.Le32(14) == 12;  // the oldest header: no compression
  const int bits = static_cast<int>(head.Le16(core ? 24 : 28));
  const uint32_t compression = core ? 0 : head.Le32(30);
  if (compression == 1 || compression == 2)
    return BmpRunCoverage(path, head.Le32(10), compression == 1 ? 8 : 4, claim.width, claim.height);
  if (compression == 0 || compression == 3 || compression == 6) return PixelsIn(head.fileBytes, bits);
  return kAnyPixels;
}

int64_t TgaHeld(const std::string& path, const FileHead& head, const Claim& claim) {
  const int type = head.At(2), bits = head.At(16);
  const int64_t colourMap = head.At(1) ? int64_t{head.Le16(5)} * ((head.At(7) + 7) / 8) : 0;
  if (type >= 1 && type <= 3) return PixelsIn(head.fileBytes, bits);
  if (type >= 9 && type <= 11)
    return TgaRunCoverage(path, 18 + head.At(0) + colourMap, (bits + 7) / 8, claim.width * claim.height);
  return kAnyPixels;
}

// Deflate must give every row its filter byte and its samples.
int64_t PngHeld(const FileHead& head, size_t at, int64_t width) {
  static constexpr int kChannels[7] = {1, 0, 3, 1, 2, 0, 4};
  const int type = head.At(at + 25), bits = head.At(at + 24) * (type < 7 ? kChannels[type] : 0);
  const int64_t rowBytes = 1 + (width * bits + 7) / 8;
  return bits > 0 ? kDeflate * head.fileBytes / rowBytes * width : kAnyPixels;
}

// An icon holds a PNG or a BMP's colours (its mask is not counted).
int64_t IcoHeld(const FileHead& head, const Claim& claim) {
  const uint32_t image = head.Le32(18);
  if (head.Be32(image) == 0x89504E47) return PngHeld(head, image, claim.width);
  return PixelsIn(head.fileBytes, claim.bitsPerPixel);
}

int64_t TiffHeld(const std::string& path, const Claim& claim, int64_t fileBytes) {
  TIFF* tiff = TIFFOpen(path.c_str(), "r");
  if (!tiff) return kAnyPixels;
  uint16_t compression = COMPRESSION_NONE, bitsPerSample = 1, samples = 1;
  TIFFGetFieldDefaulted(tiff, TIFFTAG_COMPRESSION, &compression);
  TIFFGetFieldDefaulted(tiff, TIFFTAG_BITSPERSAMPLE, &bitsPerSample);
  TIFFGetFieldDefaulted(tiff, TIFFTAG_SAMPLESPERPIXEL, &samples);
  TIFFClose(tiff);
  const int bits = bitsPerSample * samples;
  switch (compression) {
    case COMPRESSION_NONE: return PixelsIn(fileBytes, bits);
    case COMPRESSION_PACKBITS: return PixelsIn(fileBytes * kPackBits, bits);
    case COMPRESSION_LZW: return PixelsIn(fileBytes * kLzw, bits);
    case COMPRESSION_DEFLATE:
    case COMPRESSION_ADOBE_DEFLATE: return PixelsIn(fileBytes * kDeflate, bits);
    case COMPRESSION_JPEG:
    case COMPRESSION_OJPEG: return fileBytes * kJpegPixels;
    case COMPRESSION_CCITTRLE:
    case COMPRESSION_CCITTRLEW:
    case COMPRESSION_CCITTFAX3:
    case COMPRESSION_CCITTFAX4: return fileBytes * 8 * claim.width;  // a blank row can take one bit
    default: return kAnyPixels;
  }
}

// P4 to P6 store pixels as bytes; P1 to P3 as numbers in text, a character
// a pixel at least.
int64_t PnmHeld(const FileHead& head, const Claim& claim) {
  return head.At(1) >= '4' ? PixelsIn(head.fileBytes, claim.bitsPerPixel) : head.fileBytes;
}

// The merged picture's compression follows three sections of stated length.
int64_t PsdHeld(const std::string& path, const FileHead& head) {
  std::ifstream in(path, std::ios::binary);
  auto field = [&in](int64_t at, int size) {
    uint8_t b[4] = {};
    in.seekg(at);
    in.read(reinterpret_cast<char*>(b), size);
    int64_t value = 0;
    for (int i = 0; i < size; ++i) value = value << 8 | b[i];
    return value;
  };
  const int64_t lengthBytes = head.Be16(4) == 2 ? 8 : 4;  // the layers' length is longer in large files
  int64_t at = 26;
  at += 4 + field(at, 4);
  at += 4 + field(at, 4);
  at += lengthBytes + field(at + lengthBytes - 4, 4);
  const int bits = static_cast<int>(head.Be16(12) * head.Be16(22));  // channels x depth
  switch (field(at, 2)) {
    case 0: return PixelsIn(head.fileBytes, bits);
    case 1: return PixelsIn(head.fileBytes * kPackBits, bits);
    case 2:
    case 3: return PixelsIn(head.fileBytes * kDeflate, bits);
    default: return kAnyPixels;
  }
}

int64_t MostPixelsHeld(const std::string& path, const FileHead& head, const Claim& claim) {
  switch (claim.format) {
    case FIF_BMP: return BmpHeld(path, head, claim);
    case FIF_TARGA: return TgaHeld(path, head, claim);
    case FIF_PNG: return PngHeld(head, 0, claim.width);
    case FIF_ICO: return IcoHeld(head, claim);
    case FIF_GIF: return head.fileBytes * kLzw;
    case FIF_JPEG:
    case FIF_JNG: return head.fileBytes * kJpegPixels;
    case FIF_TIFF: return TiffHeld(path, claim, head.fileBytes);
    case FIF_PSD: return PsdHeld(path, head);
    case FIF_PBM:  // FreeImage's name for every kind of PNM file
    case FIF_PGM:
    case FIF_PPM:
    case FIF_PBMRAW:
    case FIF_PGMRAW:
    case FIF_PPMRAW: return PnmHeld(head, claim);
    case FIF_PFM: return PixelsIn(head.fileBytes, claim.bitsPerPixel);
    case FIF_PCX:
    case FIF_RAS:
    case FIF_CUT: return PixelsIn(head.fileBytes * kRunLength, claim.bitsPerPixel);
    case FIF_HDR: return PixelsIn(head.fileBytes * kRunLength, 32);  // stored as four bytes a pixel
    case FIF_XPM: return head.fileBytes;  // a character a pixel at least
    default: return kAnyPixels;
  }
}

}  // namespace

Status CheckHeld(const std::string& path, const Claim& claim) {
  const FileHead head = ReadHead(path, kHeadBytes);
  if (claim.width * claim.height <= MostPixelsHeld(path, head, claim)) return {};
  return std::unexpected(CannotRead(path, "damaged: it claims " + std::to_string(claim.width) + " x " +
                                              std::to_string(claim.height) + " pixels, more than its " +
                                              std::to_string(head.fileBytes) + " bytes can hold"));
}

}  // namespace pixmora
