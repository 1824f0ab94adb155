#include "imageio/decode_file.h"

#include <fstream>
#include <iterator>
#include <vector>

#include "imageio/bmp_header_fix.h"
#include "imageio/freeimage_session.h"
#include "imageio/mfreeimage.h"
#include "imageio/picture_limits.h"

namespace pixmora {

namespace {

bool ReadBytes(const std::string& path, size_t limit, std::vector<uint8_t>& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return bytes.size() <= limit;
}

// The size a GIF claims: its logical screen.
bool GifSize(const std::string& path, int64_t& w, int64_t& h) {
  std::vector<uint8_t> head(10);
  std::ifstream in(path, std::ios::binary);
  if (!in.read(reinterpret_cast<char*>(head.data()), 10)) return false;
  w = head[6] | (head[7] << 8);
  h = head[8] | (head[9] << 8);
  return true;
}

// The size the file claims, read without decoding its pixels where possible.
bool ClaimedSize(const std::string& path, int format, int64_t& w, int64_t& h) {
  if (format == FIF_GIF) return GifSize(path, w, h);
  if (!FreeImage_FIFSupportsNoPixels(static_cast<FREE_IMAGE_FORMAT>(format))) return false;
  FIBITMAP* header = FreeImage_Load(static_cast<FREE_IMAGE_FORMAT>(format), path.c_str(),
                                    FIF_LOAD_NOPIXELS);
  if (!header) return false;
  w = FreeImage_GetWidth(header), h = FreeImage_GetHeight(header);
  FreeImage_Unload(header);
  return true;
}

FIBITMAP* LoadNewerBmp(const std::string& path, int flags) {
  std::vector<uint8_t> bytes;
  if (!ReadBytes(path, size_t{1} << 32, bytes)) return nullptr;
  std::vector<uint8_t> classic = WithClassicBmpHeader(bytes);
  if (classic.empty()) return nullptr;
  FIMEMORY* memory = FreeImage_OpenMemory(classic.data(), static_cast<DWORD>(classic.size()));
  FIBITMAP* bitmap = FreeImage_LoadFromMemory(FIF_BMP, memory, flags);
  FreeImage_CloseMemory(memory);
  return bitmap;
}

DecodeResult Fail(DecodeStatus status, int format, std::string message) {
  return {status, format, nullptr, std::move(message)};
}

}  // namespace

DecodeResult DecodeFile(const std::string& path, int flags, const SizeKnown& sizeKnown) {
  EnsureFreeImage();
  const int format = FreeImage_GetFileType(path.c_str(), 0);
  if (format == FIF_UNKNOWN) return Fail(DecodeStatus::UnknownFormat, format, "");
  if (!SupportsReading(format)) return Fail(DecodeStatus::NotReadable, format, FormatName(format));
  int64_t w = 0, h = 0;
  if (ClaimedSize(path, format, w, h)) {
    const std::string problem = SizeProblem(w, h);
    if (!problem.empty()) return Fail(DecodeStatus::TooLarge, format, problem);
    if (sizeKnown) sizeKnown(w, h);
  }
  FIBITMAP* bitmap = FreeImage_Load(static_cast<FREE_IMAGE_FORMAT>(format), path.c_str(), flags);
  if (!bitmap && format == FIF_BMP) bitmap = LoadNewerBmp(path, flags);
  if (!bitmap) return Fail(DecodeStatus::Damaged, format, LastFileLayerMessage());
  const std::string problem = SizeProblem(FreeImage_GetWidth(bitmap), FreeImage_GetHeight(bitmap));
  if (!problem.empty()) {
    FreeImage_Unload(bitmap);
    return Fail(DecodeStatus::TooLarge, format, problem);
  }
  return {DecodeStatus::Ok, format, bitmap, ""};
}

}  // namespace pixmora
