// The program's own JPEG writer for pictures at their own size: the JPEG
// library fed a band of rows at a time (from a picture's columns, or from a
// decoder's rows that never made a picture), with exactly the settings FreeImage's writer uses (its quality, 4:2:0
// colour, a JFIF header with the resolution, Huffman tables as standard),
// so the files are FreeImage's byte for byte, without a bitmap of the whole
// picture on the way: the library reads the picture's own colours, red,
// green, blue and a byte it ignores.
#pragma once
#include <cstdint>
#include <cstdio>
#include <memory>

namespace pixmora {

// The quality FreeImage's JPEG flags stand for: their low seven bits, 0
// meaning its default.
int JpegQuality(int freeImageFlags);

// A JPEG file written to stream a band of rows at a time, each row the
// colours of a picture's row: quality 1 .. 100, dotsPerMeter in the header as
// FreeImage rounds it to dots an inch. Each step answers false once memory or
// a write has failed; the file is whole after Finish.
class JpegBandWriter {
 public:
  JpegBandWriter(FILE* stream, int quality, uint32_t dotsPerMeter);
  ~JpegBandWriter();
  JpegBandWriter(const JpegBandWriter&) = delete;
  JpegBandWriter& operator=(const JpegBandWriter&) = delete;

  bool Start(int width, int height);
  // The next count rows (at most kRowBand, row_exchange.h), top down.
  bool Write(const uint32_t* const* rows, int count);
  bool Finish();

 private:
  struct Library;
  bool Failed();  // what a step that failed answers, now and from then on
  std::unique_ptr<Library> library_;
  FILE* stream_;
  int quality_;
  uint32_t dotsPerMeter_;
  bool failed_ = false;
};

}  // namespace pixmora
