// pixmora-make-data OUTDIR: writes the data the program ships (start pattern,
// start shape, colour scheme) under OUTDIR/VARDELO24 and the sample pictures
// under OUTDIR/samples. Everything is painted here, by code.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "imageio/mfreeimage.h"
#include "tools/default_data/pictures.h"

namespace {

using namespace pixmora;

bool Save(const data::Canvas& canvas, const std::string& path, int format) {
  PictureSurface s;
  s.SetPicture(canvas);
  FIBITMAP* bitmap = ImageFromDeviceContext(s);
  const bool ok = bitmap && SaveBitmap(format, bitmap, path, format == kFormatJpeg ? 90 : 0);
  if (bitmap) FreeImage_Unload(bitmap);
  if (!ok) std::fprintf(stderr, "pixmora-make-data: cannot write %s\n", path.c_str());
  return ok;
}

bool WriteText(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: pixmora-make-data OUTDIR\n");
    return 2;
  }
  namespace fs = std::filesystem;
  const std::string out = argv[1];
  const std::string data = out + "/VARDELO24/", support = data + "supporto/";
  const std::string samples = out + "/samples/";
  for (const std::string& d : {support, samples}) fs::create_directories(d);
  bool ok = Save(data::PaintPattern(), support + "xxx.bmp", kFormatBmp);
  ok &= Save(data::PaintTree(506, 7), support + "albero.bmp", kFormatBmp);
  // Three numbers not used, back colour, fore colour, one number not used.
  ok &= WriteText(support + "color_menu.cff", "0, 0, 0\n2171169, 16777148\n0\n");
  ok &= Save(data::PaintLandscape(1024, 768, 11), samples + "landscape.jpg", kFormatJpeg);
  ok &= Save(data::PaintLandscape(640, 480, 23), samples + "lake.png", kFormatPng);
  return ok ? 0 : 1;
}
