// pixmora-contact-sheet [--width W] OUTPUT.png CAPTION PICTURE [CAPTION PICTURE ...]:
// the pictures as thumbnails W pixels wide (232 unless given), three to a
// row, each above its caption (the README's tours).
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr int kColumns = 3;
constexpr int kCaptionHeight = 22, kGap = 10;

// Written under a temporary name and renamed when complete.
bool SavePng(const QImage& image, const char* path) {
  QSaveFile file(QString::fromLocal8Bit(path));
  return file.open(QIODevice::WriteOnly) && image.save(&file, "PNG") && file.commit();
}

}  // namespace

int main(int argc, char** argv) {
  int qtArgc = 1;  // the captions are not Qt's options
  QGuiApplication app(qtArgc, argv);
  int thumbWidth = 232;
  if (argc > 2 && std::string(argv[1]) == "--width") {
    thumbWidth = std::max(16, std::atoi(argv[2]));
    argv += 2, argc -= 2;
  }
  const int thumbHeight = thumbWidth * 3 / 4;
  const int cellWidth = thumbWidth + kGap, cellHeight = thumbHeight + kCaptionHeight + kGap;
  if (argc < 4 || argc % 2 != 0) {
    std::fprintf(stderr, "usage: pixmora-contact-sheet [--width W] OUTPUT.png CAPTION PICTURE [CAPTION PICTURE ...]\n");
    return 2;
  }
  const int count = (argc - 2) / 2;
  const int rows = (count + kColumns - 1) / kColumns;
  QImage sheet(kGap + kColumns * cellWidth, kGap + rows * cellHeight, QImage::Format_RGB32);
  sheet.fill(QColor(0xf4, 0xf4, 0xf4));
  QPainter painter(&sheet);
  QFont font = painter.font();
  font.setPixelSize(13);
  painter.setFont(font);
  painter.setPen(QColor(0x21, 0x21, 0x21));
  for (int i = 0; i < count; ++i) {
    const char* path = argv[3 + 2 * i];
    const QImage picture(QString::fromLocal8Bit(path));
    if (picture.isNull()) {
      std::fprintf(stderr, "pixmora-contact-sheet: cannot read %s\n", path);
      return 1;
    }
    const QImage thumb =
        picture.scaled(thumbWidth, thumbHeight, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    const int x = kGap + (i % kColumns) * cellWidth, y = kGap + (i / kColumns) * cellHeight;
    painter.drawImage(x + (thumbWidth - thumb.width()) / 2, y + (thumbHeight - thumb.height()) / 2, thumb);
    painter.drawText(QRect(x, y + thumbHeight, thumbWidth, kCaptionHeight), Qt::AlignCenter,
                     QString::fromLocal8Bit(argv[2 + 2 * i]));
  }
  painter.end();
  if (!SavePng(sheet, argv[1])) {
    std::fprintf(stderr, "pixmora-contact-sheet: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
