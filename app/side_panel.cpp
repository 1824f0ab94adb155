#include "app/side_panel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QGroupBox>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QVBoxLayout>

#include "app/colour_swatch.h"
#include "app/picture_box.h"
#include "session/slider_command.h"
#include "app/value_field.h"
#include "session/captions/control_names.h"
#include "session/captions/design_captions.h"
#include "windows/translate.h"

namespace pixmora::app {

namespace {

QLabel* NewLabel(const QString& name, QWidget* parent) {
  auto* label = new QLabel(QString::fromStdString(DesignCaptionOf(name.toStdString())), parent);
  label->setObjectName(name);
  return label;
}

QScrollBar* NewScrollBar(const QString& name, int min, int max, int largeStep, int value,
                         QWidget* parent) {
  auto* bar = new QScrollBar(Qt::Horizontal, parent);
  bar->setObjectName(name);
  bar->setRange(min, max);
  bar->setValue(value);
  bar->setPageStep(largeStep);
  bar->setSingleStep(1);
  return bar;
}

// "Color 1" with its swatch, then a red, a green and a blue row.
int AddColourRows(QGridLayout& grid, int row, int colour, Form1Controls& c, QWidget* parent) {
  grid.addWidget(NewLabel(QString::fromStdString(IndexedName("Label7", colour)), parent), row, 0, 1, 2);
  auto* swatch = new ColourSwatch(QString::fromStdString(IndexedName("Label6", colour)), parent);
  swatch->setFrameStyle(QFrame::Box | QFrame::Plain);
  swatch->setFixedHeight(18);
  swatch->setCursor(Qt::PointingHandCursor);
  windows::SetToolTip(swatch, "Click or press Enter to choose the colour");
  c.Label6[colour] = swatch;
  grid.addWidget(swatch, row, 1, 1, 2);
  for (int channel = 0; channel < 3; ++channel) {
    const int i = colour * 3 + channel;
    grid.addWidget(NewLabel(QString::fromStdString(IndexedName("Label5", i)), parent), row + 1 + channel, 0);
    c.HS1[i] = NewScrollBar(QString::fromStdString(IndexedName("HS1", i)), 0, 255, 10, 0, parent);
    grid.addWidget(c.HS1[i], row + 1 + channel, 1);
    c.Label4[i] = new ValueField(QString::fromStdString(IndexedName("Label4", i)), c.HS1[i],
                                 {1, 1, 0, 3, QString()}, parent);
    grid.addWidget(c.Label4[i], row + 1 + channel, 2);
  }
  return row + 4;
}

void AddValueRow(QGridLayout& grid, int row, const QString& caption, QScrollBar* bar,
                 ValueField* value, QWidget* parent) {
  grid.addWidget(NewLabel(caption, parent), row, 0);
  grid.addWidget(bar, row, 1);
  grid.addWidget(value, row, 2);
}

QGroupBox* BuildSliderFrame(Form1Controls& c, QWidget* parent) {
  c.Frame3 = new QGroupBox(parent);
  c.Frame3->setObjectName("Frame3");
  auto* layout = new QVBoxLayout(c.Frame3);
  auto* caption = new QHBoxLayout;
  caption->addWidget(NewLabel("Label13", c.Frame3));
  c.sliderAngle = new QLabel(QStringLiteral("0\u00b0"), c.Frame3);
  c.sliderAngle->setObjectName("SliderAngle");
  caption->addWidget(c.sliderAngle, 0, Qt::AlignRight);
  layout->addLayout(caption);
  c.Slider1 = new QSlider(Qt::Horizontal, c.Frame3);
  c.Slider1->setObjectName("Slider1");
  c.Slider1->setRange(-kSliderSteps, kSliderSteps);
  c.Slider1->setValue(0);
  c.Slider1->setAccessibleDescription(c.sliderAngle->text());
  c.Slider1->setSingleStep(1);
  c.Slider1->setPageStep(1);
  c.Slider1->setTickInterval(1);
  c.Slider1->setTickPosition(QSlider::TicksBelow);
  // Dragging only moves the knob; the rotation starts when it is let go (or
  // on a key press), so a drag across the scale turns the picture once.
  c.Slider1->setTracking(false);
  layout->addWidget(c.Slider1);
  return c.Frame3;
}

QGroupBox* BuildPatternFrame(Form1Controls& c, PictureSurface& patternSurface, QWidget* parent) {
  c.Frame2 = new QGroupBox(parent);
  c.Frame2->setObjectName("Frame2");
  auto* layout = new QVBoxLayout(c.Frame2);
  QLabel* caption = NewLabel("patte", c.Frame2);
  // No entry of the language file sets it: the window's own captions do.
  windows::SetCaption(caption, DesignCaptionOf("patte").c_str());
  layout->addWidget(caption);
  patternSurface.SetSize(kPatternPreviewWidth, kPatternPreviewHeight);
  c.picture1 = new PreviewBox("picture1", patternSurface, c.Frame2);
  c.picture1->setFixedSize(kPatternPreviewWidth + 2, kPatternPreviewHeight + 2);
  layout->addWidget(c.picture1, 0, Qt::AlignHCenter);
  return c.Frame2;
}

}  // namespace

QScrollArea* BuildSidePanel(Form1Controls& c, PictureSurface& patternSurface) {
  c.Picture3 = new PictureBox("Picture3");
  c.Picture3->setFixedWidth(kSidePanelWidth);
  auto* outer = new QVBoxLayout(c.Picture3);
  // Frame1 fills the panel but for 10 pixels above and below.
  outer->setContentsMargins(8, 10, 8, 10);
  c.Frame1 = new QGroupBox(QString::fromStdString(DesignCaptionOf("Frame1")), c.Picture3);
  c.Frame1->setObjectName("Frame1");
  outer->addWidget(c.Frame1);

  auto* column = new QVBoxLayout(c.Frame1);
  auto* grid = new QGridLayout;
  grid->setColumnStretch(1, 1);
  grid->setVerticalSpacing(4);
  int row = AddColourRows(*grid, 0, 0, c, c.Frame1);
  grid->setRowMinimumHeight(row++, 8);
  row = AddColourRows(*grid, row, 1, c, c.Frame1);
  grid->setRowMinimumHeight(row++, 8);
  c.HScroll1 = NewScrollBar("HScroll1", 1, 10, 1, 5, c.Frame1);
  // The strength as Value / 10, "0.0"; the size as Value / 10 in percent, "00%".
  c.Label3 = new ValueField("Label3", c.HScroll1, {1, 10, 1, 0, QString()}, c.Frame1);
  AddValueRow(*grid, row++, "Label2", c.HScroll1, c.Label3, c.Frame1);
  c.HScroll2 = NewScrollBar("HScroll2", 1, 10, 1, 5, c.Frame1);
  c.Label9 = new ValueField("Label9", c.HScroll2, {10, 1, 0, 2, QStringLiteral("%")}, c.Frame1);
  AddValueRow(*grid, row++, "Label8", c.HScroll2, c.Label9, c.Frame1);
  column->addLayout(grid);
  column->addSpacing(6);
  column->addWidget(BuildSliderFrame(c, c.Frame1));
  column->addWidget(BuildPatternFrame(c, patternSurface, c.Frame1));
  column->addStretch(1);
  // On a low screen the panel scrolls rather than cut its last controls off.
  auto* scroll = new QScrollArea;
  scroll->setObjectName("SidePanelScroll");
  // Tab goes to the controls; the panel follows the focus.
  scroll->setFocusPolicy(Qt::NoFocus);
  windows::SetAccessibleName(scroll->verticalScrollBar(), "Scroll bar of the side panel");
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scroll->setWidgetResizable(true);
  scroll->setWidget(c.Picture3);
  scroll->setFixedWidth(kSidePanelWidth + scroll->verticalScrollBar()->sizeHint().width());
  return scroll;
}

}  // namespace pixmora::app
