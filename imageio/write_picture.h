// WritePictureFile: the one way the program writes a picture to a file, in
// any of its formats, at the picture's own size or resampled. The file is
// written under a temporary name and renamed over the target only when
// complete, so a failure never leaves half a file where a good one stood.
#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "core/failure.h"
#include "core/picture.h"
#include "imageio/picture_format.h"
#include "imageio/resample.h"
#include "imageio/save_settings.h"

namespace pixmora {

class AtomicFile;
class JpegBandWriter;

struct WriteOptions {
  int width = 0;  // the size to resample to; 0 keeps the picture's own
  int height = 0;
  ResampleFilter filter = ResampleFilter::BSpline;
  std::optional<int32_t> dpi;  // the resolution fields, when given
  SaveSettings save;
};

// Writes the picture as a file of the format under exactly that name: 24-bit,
// or 32-bit with its transparency where the format holds it (PNG, TIFF) and
// the picture has some. A failure says why in the system's words ("No space
// left on device") or ours ("the picture is empty", not enough memory); the
// old file then stands.
Status WritePictureFile(const Picture& picture, const std::string& path, PictureFormat format,
                        const WriteOptions& options = {});

// A JPEG written a band of colour rows at a time (each row a picture row's
// colours), as WritePictureFile writes a picture at its own size with those
// options (it goes through here), so the same bytes; under a temporary name
// until finished.
class JpegRowsFile {
 public:
  JpegRowsFile(std::string path, const WriteOptions& options);
  ~JpegRowsFile();
  // Makes the temporary file.
  bool Start(int width, int height);
  bool Write(const uint32_t* const* rows, int count);
  // Completes the file when every row came (complete), else removes it; the
  // failure says why, in the system's words when a write failed.
  Status Finish(bool complete);
  // Whether a write has failed (the file could not take a band).
  bool Failed() const { return failed_; }

 private:
  bool Kept(bool done);  // keeps the system's reason for a step that failed
  std::string path_;
  int quality_;
  uint32_t dotsPerMeter_;
  std::unique_ptr<AtomicFile> file_;
  std::unique_ptr<JpegBandWriter> writer_;
  int writeError_ = 0;
  bool failed_ = false;
};

// Whether files of the format keep a picture's transparency (BMP and JPEG,
// at 24 bits, lose it).
bool HoldsTransparency(PictureFormat format);

// Reads the file at path, just written in that format, back and writes it
// again in place with dpi in its resolution fields (so a JPEG is compressed
// twice). Succeeds too when the file could not be read back (it then stays as
// it is); a failed write leaves the file as it was, as does a job cancelled
// meanwhile.
Status RewriteWithResolution(const std::string& path, PictureFormat format, int32_t dpi,
                             const SaveSettings& save = {});

// The name a save under path in that format gets: path itself when its
// extension is one of the format's (letter case counting), else path with the
// format's own extension appended ("tex" as PNG is "tex.png").
std::string NameWithFormatExtension(const std::string& path, PictureFormat format);

}  // namespace pixmora
