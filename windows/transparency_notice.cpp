#include "windows/transparency_notice.h"

#include "windows/translate.h"

namespace pixmora::windows {

QString TransparencyLostNotice(const QString& file) {
  return Tr("%1 keeps no transparency: save as PNG or TIFF, or first use Image > Flatten onto Colour 2.").arg(file);
}

}  // namespace pixmora::windows
