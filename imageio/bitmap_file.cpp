// FreeImage_Save through our own file handle, so that every write error is
// seen (FreeImage does not check the final flush) and the target is replaced
// atomically.
#include <cerrno>
#include <cstring>

#include "core/cancel_token.h"
#include "imageio/atomic_file.h"
#include "imageio/freeimage_session.h"
#include "imageio/mfreeimage.h"

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

}  // namespace

bool SaveBitmap(int format, FIBITMAP* bitmap, const std::string& fileName, int flags) {
  EnsureFreeImage();
  if (!bitmap) return false;
  AtomicFile file(fileName);
  if (!file.Stream()) {
    RememberMessage(file.Error());
    return false;
  }
  FreeImageIO io{ReadProc, WriteProc, SeekProc, TellProc};
  errno = 0;
  const bool encoded = FreeImage_SaveToHandle(static_cast<FREE_IMAGE_FORMAT>(format), bitmap, &io,
                                              file.Stream(), flags) == TRUE &&
                       !ferror(file.Stream());
  if (!encoded && errno != 0) RememberMessage(std::strerror(errno));
  if (file.Commit(encoded)) return true;
  if (encoded) RememberMessage(file.Error());
  return false;
}

}  // namespace pixmora
