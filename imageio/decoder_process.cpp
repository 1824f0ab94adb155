#include "imageio/decoder_process.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <mutex>
#include <vector>

#include "core/cancel_token.h"
#include "core/child_process.h"
#include "core/paths_and_text.h"
#include "imageio/bitmap.h"
#include "imageio/decode_wire.h"
#include "imageio/freeimage_session.h"
#include "imageio/picture_limits.h"
#include "imageio/row_exchange.h"

namespace pixmora {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kPipeBytes = 1 << 20;

bool Executable(const std::string& path) { return !path.empty() && access(path.c_str(), X_OK) == 0; }

// Rebuilds the bitmap the child described, after checking every field.
FIBITMAP* ReceiveBitmap(ChildProcess& child, const WireHeader& h, Deadline deadline) {
  if (!CheckSides(h.width, h.height) || h.colours > 256 || h.transparentColours > h.colours) return nullptr;
  Bitmap owned(FreeImage_AllocateT(static_cast<FREE_IMAGE_TYPE>(h.type), h.width, h.height,
                                   h.bpp, h.redMask, h.greenMask, h.blueMask));
  FIBITMAP* b = owned.get();
  if (!b) return nullptr;
  const bool fits = FreeImage_GetPitch(b) == h.pitch &&
                    h.bitsBytes == uint64_t{h.pitch} * static_cast<uint64_t>(h.height) &&
                    (h.colours == 0 || (FreeImage_GetPalette(b) && FreeImage_GetColorsUsed(b) == h.colours));
  uint8_t transparency[256];
  const bool read = fits &&
                    (h.colours == 0 || child.ReadOut(FreeImage_GetPalette(b), h.colours * sizeof(RGBQUAD), deadline)) &&
                    (h.transparentColours == 0 || child.ReadOut(transparency, h.transparentColours, deadline)) &&
                    child.ReadOut(FreeImage_GetBits(b), h.bitsBytes, deadline);
  if (!read) return nullptr;
  if (h.transparentColours) FreeImage_SetTransparencyTable(b, transparency, static_cast<int>(h.transparentColours));
  FreeImage_SetDotsPerMeterX(b, h.dotsPerMeterX);
  FreeImage_SetDotsPerMeterY(b, h.dotsPerMeterY);
  return owned.release();
}

// A colour bitmap comes straight into a picture, a band of rows at a time:
// no bitmap of the whole picture is made on this side.
bool Direct(const WireHeader& h) {
  return h.type == FIT_BITMAP && (h.bpp == 24 || h.bpp == 32) && h.colours == 0;
}

Picture ReceivePicture(ChildProcess& child, const WireHeader& h, Deadline deadline) {
  const uint32_t pitch = (static_cast<uint32_t>(h.width) * (h.bpp / 8) + 3) & ~3u;
  if (!CheckSides(h.width, h.height) || h.pitch != pitch ||
      h.bitsBytes != uint64_t{pitch} * static_cast<uint64_t>(h.height))
    return nullptr;
  auto picture = std::make_shared<PixelBuffer>(h.width, h.height, ForOverwrite{});
  // A 32-bit bitmap's fourth bytes are alpha when FreeImage sees transparency.
  auto alpha = h.transparent && h.bpp == 32 ? std::make_shared<AlphaPlane>(h.width, h.height) : nullptr;
  std::vector<uint8_t> band(size_t{pitch} * kRowBand);
  // Rows arrive bottom-up: each band holds the next rows from the bottom.
  for (int received = 0; received < h.height; received += kRowBand) {
    const int count = std::min(h.height - received, kRowBand);
    if (!child.ReadOut(band.data(), size_t{pitch} * count, deadline)) return nullptr;
    const uint8_t* rows[kRowBand];
    for (int i = 0; i < count; ++i) rows[i] = band.data() + size_t{pitch} * (count - 1 - i);
    RowsToColumns(rows, h.bpp / 8, h.height - received - count, count, *picture);
    if (alpha) RowsToAlpha(rows, h.height - received - count, count, *alpha);
  }
  picture->SetAlpha(KeptAlpha(std::move(alpha)));
  return picture;
}

// Colour rows end with the picture's note, known only then.
bool ReceiveEnd(ChildProcess& child, Deadline deadline, std::string& note) {
  WireEnd end{};
  if (!child.ReadOut(&end, sizeof end, deadline) || std::memcmp(end.magic, kEndMagic, sizeof end.magic) != 0)
    return false;
  end.note[sizeof end.note - 1] = '\0';
  note = end.note;
  return true;
}

// Colour rows, top down, a band at a time: take(rows, y0, count) for each,
// which answers whether to go on.
template <class Take>
bool ReceiveColourRows(ChildProcess& child, const WireHeader& h, Deadline deadline, Take take) {
  std::vector<uint32_t> band(static_cast<size_t>(h.width) * kRowBand);
  uint32_t* rows[kRowBand];
  for (int i = 0; i < kRowBand; ++i) rows[i] = band.data() + static_cast<size_t>(h.width) * i;
  for (int y0 = 0; y0 < h.height; y0 += kRowBand) {
    const int count = std::min(h.height - y0, kRowBand);
    if (!child.ReadOut(band.data(), size_t{h.pitch} * count, deadline) || !take(rows, y0, count)) return false;
  }
  return true;
}

Picture ReceiveColourPicture(ChildProcess& child, const WireHeader& h, Deadline deadline) {
  auto picture = std::make_shared<PixelBuffer>(h.width, h.height, ForOverwrite{});
  const auto take = [&](const uint32_t* const* rows, int y0, int count) {
    ColourRowsToColumns(rows, y0, count, *picture);
    return true;
  };
  const bool read = ReceiveColourRows(child, h, deadline, take);
  return read ? picture : nullptr;
}

// The 24-bit bitmap FreeImage's reader would have made of the colour rows.
FIBITMAP* ReceiveColourBitmap(ChildProcess& child, const WireHeader& h, Deadline deadline) {
  Bitmap owned(FreeImage_Allocate(h.width, h.height, 24));
  FIBITMAP* b = owned.get();
  if (!b) return nullptr;
  const auto take = [&](const uint32_t* const* rows, int y0, int count) {
    for (int i = 0; i < count; ++i) {
      uint8_t* out = FreeImage_GetScanLine(b, h.height - 1 - (y0 + i));
      for (int x = 0; x < h.width; ++x, out += 3) {
        const uint32_t c = rows[i][x];
        out[FI_RGBA_RED] = c & 0xFF;
        out[FI_RGBA_GREEN] = (c >> 8) & 0xFF;
        out[FI_RGBA_BLUE] = (c >> 16) & 0xFF;
      }
    }
    return true;
  };
  const bool read = ReceiveColourRows(child, h, deadline, take);
  if (!read) return nullptr;
  FreeImage_SetDotsPerMeterX(b, h.dotsPerMeterX);
  FreeImage_SetDotsPerMeterY(b, h.dotsPerMeterY);
  return owned.release();
}

// Where the pixels a decoder sends go: a picture, a bitmap, or a receiver of
// colour rows.
struct Destination {
  bool intoPicture = false;
  RowReceiver* rows = nullptr;
};

bool PassOn(ChildProcess& child, const WireHeader& h, Deadline deadline, RowReceiver& receiver) {
  const auto take = [&receiver](uint32_t* const* rows, int, int count) { return receiver.Band(rows, count); };
  return receiver.Start(h.width, h.height) && ReceiveColourRows(child, h, deadline, take);
}

// Colour rows come into their destination, then their note.
bool ReceiveColours(ChildProcess& child, const WireHeader& h, Deadline deadline, Destination to,
                    Decoded& decoded) {
  const uint32_t pitch = static_cast<uint32_t>(h.width) * 4;
  if (!CheckSides(h.width, h.height) || h.bpp != 32 || h.colours != 0 || h.pitch != pitch ||
      h.bitsBytes != uint64_t{pitch} * static_cast<uint64_t>(h.height))
    return false;
  if (to.rows) {
    if (!PassOn(child, h, deadline, *to.rows)) return false;
  } else if (to.intoPicture) {
    if (!(decoded.picture = ReceiveColourPicture(child, h, deadline))) return false;
  } else {
    decoded.bitmap.reset(ReceiveColourBitmap(child, h, deadline));
    if (!decoded.bitmap) return false;
  }
  return ReceiveEnd(child, deadline, decoded.note);
}

// A decoder that crashed, ran too long or answered what it should not was
// given a damaged file.
std::unexpected<Failure> Damaged(const std::string& path) {
  return std::unexpected(CannotRead(path, kDamaged));
}

// No decoder could be asked.
std::unexpected<Failure> NoDecoder(const std::string& path, std::string why) {
  return std::unexpected(
      Failure{.kind = Failure::Kind::Resources, .action = "read", .file = path, .why = std::move(why)});
}

// The failure the decoder answered, in our own words for its error number.
Failure Answered(const std::string& path, const WireHeader& h) {
  Failure failure = h.code > 0 ? CannotRead(path, h.code) : CannotRead(path, h.message);
  failure.kind = static_cast<Failure::Kind>(h.failed - 1);
  return failure;
}

// Reads the header, after the claimed sizes the decoder sends first: a large
// picture moves the deadline on by the time it is allowed (the largest
// allowance counts, once).
bool ReceiveHeader(ChildProcess& child, Deadline& deadline, WireHeader& h) {
  const Deadline base = deadline;
  while (child.ReadOut(h.magic, sizeof h.magic, deadline)) {
    if (std::memcmp(h.magic, kSizeMagic, sizeof h.magic) != 0)
      return std::memcmp(h.magic, kWireMagic, sizeof h.magic) == 0 &&
             child.ReadOut(reinterpret_cast<char*>(&h) + sizeof h.magic, sizeof h - sizeof h.magic,
                     deadline);
    WireSize size{};
    if (!child.ReadOut(&size.width, sizeof size - sizeof size.magic, deadline) ||
        size.width < 0 || size.height < 0 || size.width > kMaxSide || size.height > kMaxSide)
      return false;
    deadline = std::max(deadline, base + std::chrono::seconds(ExtraDecodeSeconds(size.width, size.height)));
  }
  return false;
}

// pixelBudget: what the decoder was given; a picture beyond it is not taken.
DecodeResult Receive(ChildProcess& child, const std::string& path, Deadline deadline, Destination to,
                     int64_t pixelBudget) {
  WireHeader h{};
  if (!ReceiveHeader(child, deadline, h)) return Damaged(path);
  h.message[sizeof h.message - 1] = '\0';
  if (h.failed < 0 || h.failed > 1 + static_cast<int32_t>(Failure::Kind::Resources)) return Damaged(path);
  if (h.failed) return std::unexpected(Answered(path, h));
  if (!CheckSize(h.width, h.height, pixelBudget)) return Damaged(path);
  Decoded decoded{h.format, nullptr, nullptr, nullptr, h.message};
  if (h.colourRows) {
    if (!ReceiveColours(child, h, deadline, to, decoded)) return Damaged(path);
    return decoded;
  }
  if (to.intoPicture && Direct(h)) decoded.picture = ReceivePicture(child, h, deadline);
  else decoded.bitmap.reset(ReceiveBitmap(child, h, deadline));
  if (!decoded.picture && !decoded.bitmap) return Damaged(path);
  return decoded;
}

ChildProcess StartDecoder(const std::string& decoder) {
  ChildProcess::Options options;
  options.in = ChildProcess::Stream::Pipe;
  options.out = ChildProcess::Stream::Pipe;
  options.err = ChildProcess::Stream::Null;
  options.pipeBytes = kPipeBytes;  // fewer, larger transfers
  return ChildProcess({decoder}, options);
}

// A decoder that has answered a file well waits here for the next one: it
// then starts once, not once per picture, and the memory it decoded in
// serves again. One waits at most; it ends when this process does (its
// input ends).
class WaitingDecoder {
 public:
  ChildProcess Take(const std::string& decoder) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (decoder != path_) return ChildProcess();
    return std::move(waiting_);
  }
  void Give(const std::string& decoder, ChildProcess child) {
    std::lock_guard<std::mutex> lock(mutex_);
    path_ = decoder;
    waiting_ = std::move(child);
  }

 private:
  std::mutex mutex_;
  std::string path_;
  ChildProcess waiting_;
};

WaitingDecoder& Waiting() {
  static auto* waiting = new WaitingDecoder;  // never destroyed: exit ends the decoder
  return *waiting;
}

}  // namespace

std::string DecoderPath() {
  const char* given = std::getenv("PIXMORA_DECODE");
  const std::string program = ProgramFolder();
  // A program in the build tree (the tests) takes the decoder built with it
  // before one installed from another version; an installed program finds
  // its own beside it first.
  const std::string candidates[] = {given ? given : "", program + "pixmora-decode",
                                    program + "../libexec/pixmora/pixmora-decode",
                                    PIXMORA_DECODER_BUILT, PIXMORA_DECODER_INSTALLED};
  for (const std::string& c : candidates)
    if (Executable(c)) return c;
  return "";
}

namespace {

DecodeResult Decode(const std::string& path, int flags, int seconds, Destination to) {
  EnsureFreeImage();
  const std::string decoder = DecoderPath();
  if (decoder.empty()) return NoDecoder(path, "the picture decoder pixmora-decode is missing");
  // The decoder refuses a picture that our memory leaves no room for.
  const int64_t pixelBudget = PixelBudget();
  const std::string request = path + '\0' + std::to_string(flags) + '\0' + std::to_string(pixelBudget) + '\0';
  // A waiting decoder may have ended meanwhile: then a fresh one is asked.
  ChildProcess child = Waiting().Take(decoder);
  if (!child.WriteIn(request)) {
    child = StartDecoder(decoder);
    if (!child.Started()) return NoDecoder(path, child.Error());
    if (!child.WriteIn(request)) return NoDecoder(path, "the picture decoder ended at once");
  }
  // A cancel of the job this thread runs kills the decode, however far it got.
  child.SetCancel(CancelScope::Current());
  DecodeResult r =
      Receive(child, path, Clock::now() + std::chrono::seconds(seconds), to, pixelBudget);
  // A decoder is kept only after a good answer, read to its end; any other
  // is killed and reaped as it goes out of scope.
  child.SetCancel(nullptr);
  if (r) Waiting().Give(decoder, std::move(child));
  return r;
}

}  // namespace

DecodeResult DecodeInChild(const std::string& path, int flags, int seconds, bool intoPicture) {
  return Decode(path, flags, seconds, {.intoPicture = intoPicture});
}

DecodeResult DecodeInChildToRows(const std::string& path, RowReceiver& receiver) {
  return Decode(path, 0, kDecodeSeconds, {.intoPicture = true, .rows = &receiver});
}

}  // namespace pixmora
