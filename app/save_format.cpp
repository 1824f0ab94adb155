#include "app/save_format.h"

#include <QFileInfo>
#include <QStringList>


namespace pixmora::app {

namespace {

struct SaveFormat {
  PictureFormat format;
  const char* filter;
  QStringList extensions;  // the first is added to a name without one
};

const SaveFormat kFormats[] = {
    {PictureFormat::Bmp, "Files BMP(*.bmp)|*.bmp|", {"bmp"}},
    {PictureFormat::Jpeg, "Files JPG(*.jpg)|*.jpg|", {"jpg", "jpeg", "jpe", "jif"}},
    {PictureFormat::Png, "Files PNG(*.png)|*.png|", {"png"}},
    {PictureFormat::Tiff, "Files TIF(*.tif)|*.tif|", {"tif", "tiff"}},
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
