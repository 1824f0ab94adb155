// pixmora-render-icon SOURCE.svg OUTPUT.png SIZE: renders the hand-drawn
// icon at SIZE x SIZE pixels, for the icon theme's fixed-size folders.
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QString>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
  const int size = argc == 4 ? QString(argv[3]).toInt() : 0;
  if (size <= 0) {
    std::fprintf(stderr, "usage: pixmora-render-icon SOURCE.svg OUTPUT.png SIZE\n");
    return 2;
  }
  QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
  if (!svg.isValid()) {
    std::fprintf(stderr, "pixmora-render-icon: cannot read %s\n", argv[1]);
    return 1;
  }
  QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
  icon.fill(Qt::transparent);
  QPainter painter(&icon);
  painter.setRenderHint(QPainter::Antialiasing);
  svg.render(&painter);
  painter.end();
  QSaveFile file(QString::fromLocal8Bit(argv[2]));
  if (!file.open(QIODevice::WriteOnly) || !icon.save(&file, "PNG") || !file.commit()) {
    std::fprintf(stderr, "pixmora-render-icon: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
