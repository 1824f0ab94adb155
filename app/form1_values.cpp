// The value controls of Form1: two colours, strength and size show their
// values as they move; the slider turns image A into the result.
#include <QLabel>
#include <QScrollBar>
#include <QSlider>

#include "app/form1.h"
#include "windows/qt_pictures.h"
#include "core/colour_ref.h"
#include "core/numeric.h"
#include "session/slider_command.h"

namespace pixmora::app {

namespace {

void SetSwatch(QLabel* swatch, int r, int g, int b) {
  QPalette p = swatch->palette();
  p.setColor(QPalette::Window, windows::ToQColor(PackRGB(r, g, b)));
  swatch->setPalette(p);
}

}  // namespace

void Form1::ConnectValueControls() {
  for (int i = 0; i < 6; ++i)
    connect(c_.HS1[i], &QScrollBar::valueChanged, this, [this, i] { HS1_Change(i); });
  connect(c_.HScroll1, &QScrollBar::valueChanged, this, &Form1::HScroll1_Change);
  connect(c_.HScroll2, &QScrollBar::valueChanged, this, &Form1::HScroll2_Change);
  connect(c_.Slider1, &QSlider::valueChanged, this, &Form1::Slider1_Change);
}

void Form1::ShowStartValues() {
  HScroll1_Change();
  HScroll2_Change();
  // Colour 1 starts black and colour 2 white. A bar already at its start
  // value shows it too.
  for (int i = 0; i < 6; ++i) {
    const int start = i < 3 ? 0 : 255;
    if (c_.HS1[i]->value() == start) HS1_Change(i);
    else c_.HS1[i]->setValue(start);
  }
}

void Form1::HS1_Change(int index) {
  c_.Label4[index]->setText(QStringLiteral("%1").arg(c_.HS1[index]->value(), 3, 10, QChar('0')));
  SetSwatch(c_.Label6[0], c_.HS1[0]->value(), c_.HS1[1]->value(), c_.HS1[2]->value());
  SetSwatch(c_.Label6[1], c_.HS1[3]->value(), c_.HS1[4]->value(), c_.HS1[5]->value());
}

void Form1::HScroll1_Change() {
  c_.Label3->setText(QString::number(c_.HScroll1->value() / 10.0, 'f', 1));
}

void Form1::HScroll2_Change() {
  const auto percent = static_cast<int>(RoundHalfEven(c_.HScroll2->value() / 10.0 * 100));
  c_.Label9->setText(QStringLiteral("%1%").arg(percent, 2, 10, QChar('0')));
}

void Form1::Slider1_Change(int value) {
  RunInBackground([this, value] {
    pixmora::Slider1_Change(ws_, static_cast<int16_t>(value));
    RecipeStep step;
    step.kind = RecipeStep::Kind::Rotate, step.sliderValue = static_cast<int16_t>(value);
    RecordStep(step);
  });
}

ControlValues Form1::ReadControlValues() const {
  ControlValues v;
  for (int i = 0; i < 3; ++i) {
    v.colour1[i] = static_cast<int16_t>(c_.HS1[i]->value());
    v.colour2[i] = static_cast<int16_t>(c_.HS1[i + 3]->value());
  }
  v.strength = static_cast<int16_t>(c_.HScroll1->value());
  v.size = static_cast<int16_t>(c_.HScroll2->value());
  return v;
}

}  // namespace pixmora::app
