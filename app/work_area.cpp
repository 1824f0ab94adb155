#include "app/work_area.h"

#include <QLabel>

#include "app/picture_box.h"
#include "session/captions/design_captions.h"
#include "windows/translate.h"
#include "windows/picture_view.h"

namespace pixmora::app {

namespace {

constexpr int kMargin = 12;      // around the grid
constexpr int kGap = 24;         // between the cells
constexpr int kCaptionGap = 4;   // between a preview and its caption above it

QLabel* NewCaption(const char* name, QWidget* parent) {
  auto* label = new QLabel(QString::fromStdString(DesignCaptionOf(name)), parent);
  label->setObjectName(name);
  return label;
}

void Place(PreviewBox* box, QLabel* caption, const QRect& cell) {
  caption->adjustSize();
  caption->move(cell.topLeft());
  box->setGeometry(cell.adjusted(0, caption->height() + kCaptionGap, 0, 0));
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
  // No entry of the language file sets it: the window's own captions do.
  windows::SetCaption(c.Label14, DesignCaptionOf("Label14").c_str());
  c.largeView = new windows::PictureView(c.Picture5);
  c.largeView->setObjectName("LargeView");
  c.largeView->hide();
  c.Label1 = NewCaption("Label1", c.Picture5);
  QFont bold = c.Label1->font();
  bold.setBold(true);
  c.Label1->setFont(bold);
  return c.Picture5;
}

void LayOutWorkArea(const Form1Controls& c) {
  c.Label1->adjustSize();
  const QRect area = c.Picture5->contentsRect().adjusted(kMargin, kMargin, -kMargin,
                                                         -kMargin - c.Label1->height());
  c.largeView->setGeometry(area);
  const int w = (area.width() - kGap) / 2, h = (area.height() - kGap) / 2;
  const int right = area.right() + 1 - w, bottom = area.bottom() + 1 - h;
  Place(c.Image2, c.Label10, QRect(area.x(), area.y(), w, h));
  Place(c.Image3, c.Label11, QRect(right, area.y(), w, h));
  Place(c.Image1, c.Label12, QRect(area.x(), bottom, w, h));
  Place(c.Picture4, c.Label14, QRect(right, bottom, w, h));
  c.Label1->move(area.center().x() - c.Label1->width() / 2, area.bottom() + 1);
}

}  // namespace pixmora::app
