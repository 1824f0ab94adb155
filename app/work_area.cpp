#include "app/work_area.h"

#include <QLabel>

#include "app/picture_box.h"
#include "session/captions/design_captions.h"
#include "core/numeric.h"

namespace pixmora::app {

namespace {

constexpr int kCaptionGap = 4;  // between a preview and its caption above it

QLabel* NewCaption(const char* name, QWidget* parent) {
  auto* label = new QLabel(QString::fromStdString(DesignCaptionOf(name)), parent);
  label->setObjectName(name);
  return label;
}

// Inner size of a preview box (its frame is one pixel).
int InnerWidth(const QWidget* w) { return w->contentsRect().width(); }
int InnerHeight(const QWidget* w) { return w->contentsRect().height(); }

void PlaceCaption(QLabel* caption, const QWidget* preview) {
  caption->adjustSize();
  caption->move(preview->x(), preview->y() - caption->height() - kCaptionGap);
}

}  // namespace

WorkArea* BuildWorkArea(Form1Controls& c, const PreviewSurfaces& s) {
  c.Picture5 = new WorkArea("Picture5");
  c.Image2 = new PreviewBox("Image2", s.Image2, c.Picture5);
  c.Image3 = new PreviewBox("Image3", s.Image3, c.Picture5);
  c.Image1 = new PreviewBox("Image1", s.Image1, c.Picture5);
  c.Picture4 = new PreviewBox("Picture4", s.Picture4, c.Picture5);
  c.Label10 = NewCaption("Label10", c.Picture5);
  c.Label11 = NewCaption("Label11", c.Picture5);
  c.Label12 = NewCaption("Label12", c.Picture5);
  c.Label14 = NewCaption("Label14", c.Picture5);
  c.Label1 = NewCaption("Label1", c.Picture5);
  QFont bold = c.Label1->font();
  bold.setBold(true);
  c.Label1->setFont(bold);
  return c.Picture5;
}

void LayOutWorkArea(const Form1Controls& c) {
  const int cx = static_cast<int>(RoundHalfEven(c.Picture5->contentsRect().width() / 2.0));
  const int cy = static_cast<int>(RoundHalfEven(c.Picture5->contentsRect().height() / 2.0));
  c.Image2->move(cx - (InnerWidth(c.Image2) + 30), cy - (InnerHeight(c.Image2) + 30));
  c.Image3->move(c.Image2->x() + InnerWidth(c.Image2) + 60, c.Image2->y());
  c.Image1->move(c.Image2->x(), cy);
  c.Picture4->move(c.Image3->x(), cy);
  PlaceCaption(c.Label10, c.Image2);
  PlaceCaption(c.Label11, c.Image3);
  PlaceCaption(c.Label12, c.Image1);
  PlaceCaption(c.Label14, c.Picture4);
  c.Label1->adjustSize();
  c.Label1->move(cx - c.Label1->width() / 2, c.Image1->y() + c.Image1->height() + 12);
}

}  // namespace pixmora::app
