// FreeImage_Save through our own file handle, so that every write error is
// seen (FreeImage does not check the final flush) and the target is replaced
// atomically.
#include <cerrno>
#include <cstring>

#include "core/cancel_token.h"
#include "imageio/atomic_file.h"
#include "imageio/freeimage_session.h"
#include "imageio/mfreeimage.h"
#include "imageio/png_writer.h"

namespace pixmora {

namespace {

unsigned DLL_CALLCONV ReadProc(void* buffer, unsigned size, unsigned count, fi_handle handle) {
  return static_cast<unsigned>(fread(buffer, size, count, static_cast<FILE*>(handle)));
}
// Once the job is cancelled nothing more reaches the disk; encoders that check
// their writes (TIFF, JPEG) then stop early.
unsigned DLL_CALLCONV WriteProc(void* buffer, unsigned size, unsigned count, fi_handle handle) {
  if (CancelScope::Cancelled()) return 0;
  return static_cast<unsigned>(fwrite(buffer, size, count, static_cast<FILE*>(handle)));
}
int DLL_CALLCONV SeekProc(fi_handle handle, long offset, int origin) {
  return fseek(static_cast<FILE*>(handle), offset, origin);
}
long DLL_CALLCONV TellProc(fi_handle handle) { return ftell(static_cast<FILE*>(handle)); }

// A plain 24-bit picture (or 32-bit, with alpha) as PNG goes through our own
// writer, several times sooner than FreeImage's for a file of the same size.
bool OurPng(int format, FIBITMAP* bitmap, int flags) {
  const unsigned bpp = FreeImage_GetBPP(bitmap);
  return format == FIF_PNG && FreeImage_GetImageType(bitmap) == FIT_BITMAP && (bpp == 24 || bpp == 32) &&
         (flags & PNG_INTERLACED) == 0;
}

bool Encode(int format, FIBITMAP* bitmap, FILE* stream, int flags) {
  if (OurPng(format, bitmap, flags)) {
    const int height = static_cast<int>(FreeImage_GetHeight(bitmap));
    const bool alpha = FreeImage_GetBPP(bitmap) == 32;
    const size_t bytes = size_t{FreeImage_GetWidth(bitmap)} * (alpha ? 4 : 3);
    const auto rows = [bitmap, height, bytes](int y0, int count, uint8_t* const* out) {
      for (int i = 0; i < count; ++i)
        std::memcpy(out[i], FreeImage_GetScanLine(bitmap, height - 1 - y0 - i), bytes);
    };
    return WritePng(static_cast<int>(FreeImage_GetWidth(bitmap)), height, alpha, rows, stream,
                    PngLevel(flags), FreeImage_GetDotsPerMeterX(bitmap));
  }
  FreeImageIO io{ReadProc, WriteProc, SeekProc, TellProc};
  return FreeImage_SaveToHandle(static_cast<FREE_IMAGE_FORMAT>(format), bitmap, &io, stream, flags) == TRUE;
}

}  // namespace

Status SaveBitmap(int format, FIBITMAP* bitmap, const std::string& fileName, int flags) {
  EnsureFreeImage();
  if (!bitmap) return std::unexpected(CannotWrite(fileName, "there is no picture"));
  AtomicFile file(fileName);
  errno = 0;
  const bool encoded =
      file.Stream() && Encode(format, bitmap, file.Stream(), flags) && !ferror(file.Stream());
  return file.Commit(encoded, errno);
}

}  // namespace pixmora
