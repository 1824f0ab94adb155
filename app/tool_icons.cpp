#include "app/tool_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>
#include <functional>

namespace pixmora::app {

namespace {

constexpr int kSide = 24;
constexpr qreal kScale = 2;  // painted at twice the size for sharp high-density screens

// A framed little landscape: sky, sun and a hill.
void Landscape(QPainter& p, const QRectF& r, bool grey) {
  auto tone = [grey](QColor c) { return grey ? QColor::fromHsv(0, 0, qGray(c.rgb())) : c; };
  p.setPen(QPen(QColor(60, 60, 60), 1));
  p.setBrush(tone(QColor(120, 180, 235)));
  p.drawRect(r);
  p.setPen(Qt::NoPen);
  p.setBrush(tone(QColor(250, 210, 70)));
  p.drawEllipse(QPointF(r.right() - 4, r.top() + 4), 2.2, 2.2);
  QPainterPath hill;
  hill.moveTo(r.left() + 0.5, r.bottom());
  hill.quadTo(r.center().x() - 1, r.top() + r.height() * 0.3, r.right(), r.bottom() - 2);
  hill.lineTo(r.right(), r.bottom());
  hill.closeSubpath();
  p.setBrush(tone(QColor(70, 150, 70)));
  p.drawPath(hill);
}

void Letter(QPainter& p, const QString& letter, const QRectF& where) {
  QFont f = p.font();
  f.setPixelSize(11);
  f.setBold(true);
  p.setFont(f);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 220));
  p.drawRoundedRect(where, 2, 2);
  p.setPen(QColor(30, 30, 30));
  p.drawText(where, Qt::AlignCenter, letter);
}

void Arrow(QPainter& p) {
  p.setPen(QPen(QColor(40, 110, 200), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawLine(QPointF(3, 17), QPointF(11, 17));
  p.drawPolyline(QPolygonF({QPointF(8, 14), QPointF(11, 17), QPointF(8, 20)}));
}

void Pattern(QPainter& p) {
  p.setPen(QPen(QColor(60, 60, 60), 1));
  p.setBrush(QColor(240, 240, 240));
  p.drawRect(QRectF(2.5, 2.5, 19, 19));
  p.setPen(Qt::NoPen);
  const QColor colours[] = {QColor(200, 70, 70), QColor(70, 120, 200), QColor(230, 180, 50)};
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) {
      p.setBrush(colours[(i + 2 * j) % 3]);
      p.drawEllipse(QRectF(3.5 + i * 4.6, 3.5 + j * 4.6, 3.6, 3.6));
    }
}

void Shape(QPainter& p) {
  p.setPen(QPen(QColor(60, 60, 60), 1));
  p.setBrush(Qt::black);
  p.drawRect(QRectF(2.5, 2.5, 19, 19));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(110, 75, 40));
  p.drawRect(QRectF(11, 14, 2, 7));
  p.setBrush(QColor(80, 170, 70));
  p.drawEllipse(QPointF(12, 10), 6, 6);
}

void Result(QPainter& p) {
  Landscape(p, QRectF(2.5, 4.5, 19, 15), true);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(250, 200, 40));
  QPainterPath star;
  for (int i = 0; i < 8; ++i) {
    const qreal radius = i % 2 ? 2.0 : 5.0;
    const qreal angle = i * 3.14159265358979 / 4;
    const QPointF point(17 + radius * std::sin(angle), 7 - radius * std::cos(angle));
    i ? star.lineTo(point) : star.moveTo(point);
  }
  star.closeSubpath();
  p.drawPath(star);
}

void Paint(QPainter& p, int index) {
  switch (index) {
    case 0: Landscape(p, QRectF(2.5, 4.5, 19, 15), false); Letter(p, "A", QRectF(12, 12, 10, 10)); break;
    case 1: Landscape(p, QRectF(2.5, 4.5, 19, 15), false); Letter(p, "B", QRectF(12, 12, 10, 10)); break;
    case 2: Result(p); break;
    case 3: Pattern(p); break;
    case 4: Shape(p); break;
    case 5: Arrow(p); Letter(p, "A", QRectF(12, 10, 11, 12)); break;
    case 6: Arrow(p); Letter(p, "B", QRectF(12, 10, 11, 12)); break;
  }
}

// A selection's outline: white under black dashes.
void Marquee(QPainter& p, bool ellipse) {
  const QRectF r(3.5, 5.5, 17, 13);
  p.setBrush(Qt::NoBrush);
  for (const QPen& pen : {QPen(Qt::white, 2), QPen(QColor(30, 30, 30), 2, Qt::DashLine)}) {
    p.setPen(pen);
    ellipse ? p.drawEllipse(r) : p.drawRect(r);
  }
}

void Links(QPainter& p) {
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(90, 90, 100), 2.4));
  p.drawRoundedRect(QRectF(2.5, 8.5, 11, 7), 3.5, 3.5);
  p.setPen(QPen(QColor(40, 110, 200), 2.4));
  p.drawRoundedRect(QRectF(10.5, 8.5, 11, 7), 3.5, 3.5);
}

QIcon Painted(const std::function<void(QPainter&)>& paint) {
  QPixmap pixmap(kSide * kScale, kSide * kScale);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(kScale, kScale);
  paint(p);
  p.end();
  pixmap.setDevicePixelRatio(kScale);
  return QIcon(pixmap);
}

}  // namespace

QIcon ToolIcon(int index) {
  return Painted([index](QPainter& p) { Paint(p, index); });
}

QIcon OwnToolIcon(OwnTool tool) {
  return Painted([tool](QPainter& p) {
    if (tool == OwnTool::Chain) Links(p);
    else Marquee(p, tool == OwnTool::EllipseSelection);
  });
}

const char* ToolTip(int index) {
  static const char* const tips[kToolButtons] = {
      "Show image A",  "Show image B",   "Show the result",       "Show the pattern",
      "Show the shape", "The result becomes image A", "The result becomes image B"};
  return tips[index];
}

}  // namespace pixmora::app
