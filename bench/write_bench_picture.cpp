// pixmora-bench-picture OUT.png: writes the benchmarks' picture, so that other
// image programs can be timed on exactly the same pixels.
#include <cstdio>
#include <string>

#include "bench/bench_picture.h"
#include "core/file_messages.h"
#include "imageio/mfreeimage.h"
#include "imageio/write_picture.h"

int main(int argc, char** argv) {
  using namespace pixmora;
  // An option such as --help is not taken for a file name.
  if (argc != 2 || argv[1][0] == '-') {
    std::fprintf(stderr, "usage: pixmora-bench-picture OUT.png\n");
    return 2;
  }
  const std::string why = WritePictureFile(bench::Photo(), argv[1], kFormatPng);
  if (!why.empty()) {
    std::fprintf(stderr, "pixmora-bench-picture: %s\n", CannotWrite(argv[1], why).c_str());
    return 1;
  }
  return 0;
}
