// How many pixels the run-length data of a BMP or TGA file covers, read
// packet by packet without decoding: a file whose packets stop short of the
// picture it claims cannot hold it. Each packet stands for a bounded number of
// pixels (255 for a BMP run, 128 for a TGA packet), except BMP's marks that
// skip pixels, which are counted as covered.
#pragma once
#include <cstdint>
#include <string>

namespace pixmora {

// The pixels covered by BMP RLE8 (bitsPerPixel 8) or RLE4 (4) data starting
// at offset: runs, literal runs, and the pixels that the end-of-line, delta
// and end-of-picture marks skip. At most width x height.
int64_t BmpRunCoverage(const std::string& path, int64_t offset, int bitsPerPixel, int64_t width,
                       int64_t height);

// The pixels covered by TGA packets of pixels of pixelBytes each, from offset;
// at most pixels.
int64_t TgaRunCoverage(const std::string& path, int64_t offset, int pixelBytes, int64_t pixels);

}  // namespace pixmora
