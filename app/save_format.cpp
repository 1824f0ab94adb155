#include "app/save_format.h"

#include <QFileInfo>
#include <QStringList>

#include "imageio/mfreeimage.h"

namespace pixmora::app {

namespace {

struct SaveFormat {
  int format;
  const char* filter;
  QStringList extensions;  // the first is added to a name without one
};

const SaveFormat kFormats[] = {
    {kFormatBmp, "Files BMP(*.bmp)|*.bmp|", {"bmp"}},
    {kFormatJpeg, "Files JPG(*.jpg)|*.jpg|", {"jpg", "jpeg", "jpe", "jif"}},
    {kFormatPng, "Files PNG(*.png)|*.png|", {"png"}},
    {kFormatTiff, "Files TIF(*.tif)|*.tif|", {"tif", "tiff"}},
};

}  // namespace

QString SaveFilter() {
  QString filter;
  for (const SaveFormat& f : kFormats) filter += QString::fromLatin1(f.filter);
  return filter;
}

SaveTarget SaveTargetOf(const QString& typed, int filterIndex) {
  const QString extension = QFileInfo(typed).suffix().toLower();
  for (const SaveFormat& f : kFormats)
    if (f.extensions.contains(extension)) return {f.format, typed};
  const SaveFormat& chosen = kFormats[filterIndex >= 1 && filterIndex <= 4 ? filterIndex - 1 : 0];
  return {chosen.format, typed + "." + chosen.extensions.first()};
}

}  // namespace pixmora::app
