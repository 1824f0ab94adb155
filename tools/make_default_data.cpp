// pixmora-make-data OUTDIR: writes the data the program ships under
// OUTDIR/VARDELO24 (configuration, language files, colour scheme, start
// pattern and shape, shapes, starter textures) and the sample pictures under
// OUTDIR/samples. Everything is painted or written here, by code.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "imageio/write_picture.h"
#include "tools/default_data/language_files.h"
#include "session/config/shipped_data.h"
#include "tools/default_data/pictures.h"
#include "tools/default_data/sample_photograph.h"
#include "tools/default_data/shapes.h"
#include "tools/default_data/textures.h"

namespace {

using namespace pixmora;

bool Save(const data::Canvas& canvas, const std::string& path, PictureFormat format) {
  WriteOptions options;
  options.save.jpegQuality = 90;  // the JPEG sample's; the other formats have no quality
  const Status written = WritePictureFile(canvas, path, format, options);
  if (!written) std::fprintf(stderr, "pixmora-make-data: %s\n", written.error().Message().c_str());
  return written.has_value();
}

bool WriteText(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
  if (out) return true;
  std::fprintf(stderr, "pixmora-make-data: cannot write %s\n", path.c_str());
  return false;
}

bool SaveAll(const std::vector<data::NamedPicture>& pictures, const std::string& folder) {
  bool ok = true;
  for (const data::NamedPicture& p : pictures) ok &= Save(p.picture, folder + p.fileName, PictureFormat::Bmp);
  return ok;
}

bool WriteLanguage(const std::string& support, const std::string& language,
                   const data::CaptionSource& captions) {
  std::string text;
  if (!data::LanguageFileText(language, captions, text)) {
    std::fprintf(stderr, "pixmora-make-data: %s lacks captions\n", language.c_str());
    return false;
  }
  return WriteText(support + language + ".tra", text);
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
  for (const std::string& d : {support, data + "slide/", data + "texture/", data + "texture utente/", samples})
    fs::create_directories(d);
  // Five texts not used, the language, a number not used.
  bool ok = WriteText(data + "sxconf.cff", "\"Pixmora\", \"1\", \"\", \"\", \"\", \"English\", 0\n");
  ok &= WriteLanguage(support, "English", data::EnglishCaption);
  ok &= WriteLanguage(support, "Italiano", data::ItalianCaption);
  ok &= Save(data::PaintPattern(), support + "xxx.bmp", PictureFormat::Bmp);
  ok &= Save(data::PaintTree(506, 7), support + "albero.bmp", PictureFormat::Bmp);
  // Three numbers not used, back colour, fore colour, one number not used.
  ok &= WriteText(support + "color_menu.cff", "0, 0, 0\n2171169, 16777148\n0\n");
  ok &= SaveAll(data::PaintShapes(), data + "slide/");
  ok &= SaveAll(data::PaintTextures(), data + "texture/");
  ok &= Save(data::PaintLandscape(1024, 768, 11), samples + "landscape.jpg", PictureFormat::Jpeg);
  ok &= Save(data::PaintLandscape(640, 480, 23), samples + "lake.png", PictureFormat::Png);
  ok &= Save(data::PaintSamplePhotograph(3000, 2000, 5), samples + kSamplePhotograph, PictureFormat::Jpeg);
  return ok ? 0 : 1;
}
