// pixmora-bench-picture OUT.png: writes the benchmarks' picture, so that other
// image programs can be timed on exactly the same pixels.
#include <cstdio>
#include <string>

#include "bench/bench_picture.h"
#include "imageio/mfreeimage.h"

int main(int argc, char** argv) {
  using namespace pixmora;
  // An option such as --help is not taken for a file name.
  if (argc != 2 || argv[1][0] == '-') {
    std::fprintf(stderr, "usage: pixmora-bench-picture OUT.png\n");
    return 2;
  }
  PictureSurface s;
  s.SetPicture(bench::Photo());
  FIBITMAP* bitmap = ImageFromDeviceContext(s);
  const bool ok = bitmap && SaveBitmap(kFormatPng, bitmap, argv[1], 0);
  if (bitmap) FreeImage_Unload(bitmap);
  if (!ok) {
    std::fprintf(stderr, "pixmora-bench-picture: cannot write %s: %s\n", argv[1],
                 LastFileLayerMessage().c_str());
    return 1;
  }
  return 0;
}
