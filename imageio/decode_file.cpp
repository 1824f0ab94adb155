#include "imageio/decode_file.h"

#include <fstream>
#include <iterator>
#include <vector>

#include "imageio/bmp_header_fix.h"
#include "imageio/claimed_size.h"
#include "imageio/freeimage_session.h"
#include "imageio/held_pixels.h"
#include "imageio/mfreeimage.h"

namespace pixmora {

namespace {

bool ReadBytes(const std::string& path, size_t limit, std::vector<uint8_t>& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return bytes.size() <= limit;
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

// Why the claimed picture is refused before decoding: a side out of range,
// more pixels than the file can hold (a damaged file), or than memory leaves
// room for. Ok when it is accepted.
DecodeResult Refusal(const std::string& path, const Claim& claim, int64_t pixelBudget) {
  if (std::string side = SideProblem(claim.width, claim.height); !side.empty())
    return Fail(DecodeStatus::TooLarge, claim.format, side);
  if (std::string held = HoldingProblem(path, claim); !held.empty())
    return Fail(DecodeStatus::Damaged, claim.format, held);
  if (std::string size = SizeProblem(claim.width, claim.height, pixelBudget); !size.empty())
    return Fail(DecodeStatus::TooLarge, claim.format, size);
  return {DecodeStatus::Ok, claim.format, nullptr, ""};
}

// FreeImage's JPEG reader fills what a file cut short lacks with grey and
// succeeds, after the JPEG library's warning.
bool CutShort(int format) {
  return format == FIF_JPEG && LastFileLayerMessage() == "Premature end of JPEG file";
}

}  // namespace

DecodeResult DecodeFile(const std::string& path, int flags, const SizeKnown& sizeKnown,
                        int64_t pixelBudget) {
  EnsureFreeImage();
  const int format = FreeImage_GetFileType(path.c_str(), 0);
  if (format == FIF_UNKNOWN) return Fail(DecodeStatus::UnknownFormat, format, "");
  if (!SupportsReading(format)) return Fail(DecodeStatus::NotReadable, format, FormatName(format));
  if (const std::optional<Claim> claim = ClaimedPicture(path, format)) {
    DecodeResult refused = Refusal(path, *claim, pixelBudget);
    if (refused.status != DecodeStatus::Ok) return refused;
    if (sizeKnown) sizeKnown(claim->width, claim->height);
  }
  RememberMessage("");
  FIBITMAP* bitmap = FreeImage_Load(static_cast<FREE_IMAGE_FORMAT>(format), path.c_str(), flags);
  if (!bitmap && format == FIF_BMP) bitmap = LoadNewerBmp(path, flags);
  // FreeImage's own words name no cause a user could act on.
  if (!bitmap) return Fail(DecodeStatus::Damaged, format, "");
  const std::string problem =
      SizeProblem(FreeImage_GetWidth(bitmap), FreeImage_GetHeight(bitmap), pixelBudget);
  if (!problem.empty()) {
    FreeImage_Unload(bitmap);
    return Fail(DecodeStatus::TooLarge, format, problem);
  }
  return {DecodeStatus::Ok, format, bitmap, CutShort(format) ? kTruncatedNote : ""};
}

}  // namespace pixmora
