// The value controls of Form1: two colours (bars, editable numbers and
// swatches that open the colour dialog), strength and size; the slider turns
// image A into the result and shows its angle. The values are kept between
// runs, and Reset Values brings back the start values.
#include <QColorDialog>
#include <algorithm>
#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSlider>

#include "app/colour_swatch.h"
#include "app/form1.h"
#include "app/user_settings.h"
#include "app/value_field.h"
#include "core/colour_ref.h"
#include "session/captions/control_names.h"
#include "session/recipe/recipe_run.h"
#include "session/slider_command.h"
#include "windows/qt_pictures.h"
#include "windows/translate.h"

namespace pixmora::app {

namespace {

void SetSwatch(QWidget* swatch, int r, int g, int b) {
  QPalette p = swatch->palette();
  p.setColor(QPalette::Window, windows::ToQColor(PackRGB(r, g, b)));
  swatch->setPalette(p);
  swatch->setAccessibleDescription(QStringLiteral("%1, %2, %3").arg(r).arg(g).arg(b));
}

}  // namespace

void Form1::ConnectValueControls() {
  for (int i = 0; i < 6; ++i)
    connect(c_.HS1[i], &QScrollBar::valueChanged, this, [this, i] { HS1_Change(i); });
  for (int i = 0; i < 2; ++i) connect(c_.Label6[i], &ColourSwatch::clicked, this, [this, i] { ChooseColour(i); });
  // The angle follows the knob while it is dragged, before the turn starts.
  for (auto moved : {&QSlider::sliderMoved, &QSlider::valueChanged})
    connect(c_.Slider1, moved, this, [this](int value) {
      c_.sliderAngle->setText(QStringLiteral("%1\u00b0").arg(value * 45));
      c_.Slider1->setAccessibleDescription(c_.sliderAngle->text());
    });
  connect(c_.Slider1, &QSlider::valueChanged, this, &Form1::Slider1_Change);
  for (ValueField* field : ValueFields())
    connect(field, &ValueField::refused, this, [this, field] {
      const QString notice = windows::Tr("%1 takes %2 to %3")
                                 .arg(ValueName(field), field->Bound(field->minimum()),
                                      field->Bound(field->maximum()));
      field->ShowRefused(notice);
      Report(notice);
    });
  chooseColour_ = [](const QColor& initial, QWidget* parent, const QString& title) {
    return QColorDialog::getColor(initial, parent, title);
  };
}

QList<QScrollBar*> Form1::ValueBars() const {
  return {c_.HS1[0], c_.HS1[1], c_.HS1[2], c_.HS1[3], c_.HS1[4], c_.HS1[5], c_.HScroll1, c_.HScroll2};
}

QList<ValueField*> Form1::ValueFields() const {
  return {c_.Label4[0], c_.Label4[1], c_.Label4[2], c_.Label4[3], c_.Label4[4], c_.Label4[5], c_.Label3, c_.Label9};
}

void Form1::ShowStartValues() {
  // Colour 1 starts black and colour 2 white; strength and size at 5. A bar
  // already at its start value shows it too.
  const int start[] = {0, 0, 0, 255, 255, 255, 5, 5};
  const QList<QScrollBar*> bars = ValueBars();
  for (int i = 0; i < bars.size(); ++i) bars[i]->setValue(start[i]);
  for (int i = 0; i < 6; ++i) HS1_Change(i);
}

void Form1::RestoreValues() {
  const QList<int> saved = SavedValues();
  const QList<QScrollBar*> bars = ValueBars();
  if (saved.size() != bars.size()) return;
  for (int i = 0; i < bars.size(); ++i) bars[i]->setValue(saved[i]);
}

void Form1::KeepValues() const {
  QList<int> values;
  for (const QScrollBar* bar : ValueBars()) values << bar->value();
  SaveValues(values);
}

// A field as the notice of a refused value names it, in the captions shown:
// "Color 1 red", "Transparency", "Scale".
QString Form1::ValueName(const ValueField* field) const {
  if (field == c_.Label3) return Caption("Label2");
  if (field == c_.Label9) return Caption("Label8");
  const auto i = static_cast<int>(std::find(c_.Label4.begin(), c_.Label4.end(), field) - c_.Label4.begin());
  return Caption(IndexedName("Label7", i / 3).c_str()) + ' ' +
         Caption(IndexedName("Label5", i).c_str()).toLower();
}

void Form1::HS1_Change(int) {
  SetSwatch(c_.Label6[0], c_.HS1[0]->value(), c_.HS1[1]->value(), c_.HS1[2]->value());
  SetSwatch(c_.Label6[1], c_.HS1[3]->value(), c_.HS1[4]->value(), c_.HS1[5]->value());
}

void Form1::ChooseColour(int which) {
  QScrollBar* const* bars = &c_.HS1[which * 3];
  const QColor chosen =
      chooseColour_(QColor(bars[0]->value(), bars[1]->value(), bars[2]->value()), this,
                    Caption(which == 0 ? "Label7(0)" : "Label7(1)"));
  if (!chosen.isValid()) return;  // cancelled
  bars[0]->setValue(chosen.red());
  bars[1]->setValue(chosen.green());
  bars[2]->setValue(chosen.blue());
}

void Form1::Slider1_Change(int value) {
  const bool chained = Chained();
  const bool started = RunCommand(
      [this, value, chained](const CancelToken& cancel) {
        RecipeStep step;
        step.kind = RecipeStep::Kind::Rotate, step.sliderValue = static_cast<int16_t>(value);
        step.selection = ws_.selection;
        NoteBackColour(step, ws_);
        if (!pixmora::Slider1_Change(ws_, step.sliderValue, &cancel)) return false;
        RecordCommand(step, chained);
        return true;
      },
      [this, chained](bool stopped) {
        // Chained, the turn is image A's now: the slider starts again from it.
        if (stopped || !chained) return;
        const QSignalBlocker quiet(c_.Slider1);
        c_.Slider1->setValue(0);
        c_.sliderAngle->setText(QStringLiteral("0\u00b0"));
      });
  if (started) RememberCommand(c_.Slider1, [this, value] { Slider1_Change(Chained() ? value : c_.Slider1->value()); });
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
