// pixmora-bench-picture OUT.png: writes the benchmarks' picture, so that other
// image programs can be timed on exactly the same pixels.
// pixmora-bench-picture --photos DIR: writes the folder of photographs whole
// runs are timed on: eight of four sizes up to 24 MP, as JPEG (quality 90)
// in DIR and as PNG in DIR/png.
#include <cstdio>
#include <filesystem>
#include <string>

#include "bench/bench_picture.h"
#include "imageio/write_picture.h"

namespace {

using namespace pixmora;

bool Write(const Picture& picture, const std::string& path, PictureFormat format, int jpegQuality = 0) {
  WriteOptions options;
  options.save.jpegQuality = jpegQuality;
  const Status written = WritePictureFile(picture, path, format, options);
  if (!written) std::fprintf(stderr, "pixmora-bench-picture: %s\n", written.error().Message().c_str());
  return written.has_value();
}

bool WritePhotos(const std::string& folder) {
  std::filesystem::create_directories(folder + "/png");
  constexpr int kSizes[][2] = {{6000, 4000}, {4200, 2800}, {3000, 2000}, {2000, 1334}};
  for (uint32_t i = 0; i < 8; ++i) {
    const Picture photo = bench::NoisyPhoto(kSizes[i / 2][0], kSizes[i / 2][1], 101 + i);
    const std::string name = "photo" + std::to_string(i + 1);
    if (!Write(photo, folder + "/" + name + ".jpg", PictureFormat::Jpeg, 90) ||
        !Write(photo, folder + "/png/" + name + ".png", PictureFormat::Png))
      return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--photos") return WritePhotos(argv[2]) ? 0 : 1;
  // An option such as --help is not taken for a file name.
  if (argc != 2 || argv[1][0] == '-') {
    std::fprintf(stderr, "usage: pixmora-bench-picture OUT.png | --photos DIR\n");
    return 2;
  }
  return Write(bench::Photo(), argv[1], PictureFormat::Png) ? 0 : 1;
}
