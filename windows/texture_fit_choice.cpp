#include "windows/texture_fit_choice.h"

#include <QRadioButton>
#include <QVBoxLayout>

#include "windows/translate.h"

namespace pixmora::windows {

namespace {

struct Choice {
  const char* name;
  const char* caption;
};

constexpr Choice kChoices[] = {
    {"TextureFitWhole", "The whole result, fitted to a square"},
    {"TextureFitCentre", "The centre square of the result"},
    {"TextureFitSelection", "The centre square of the selection"},
};

}  // namespace

TextureFitChoice::TextureFitChoice(bool selectionSquare, QWidget* parent) : QGroupBox(parent) {
  setObjectName("TextureFit");
  SetCaption(this, "Texture from");
  auto* column = new QVBoxLayout(this);
  for (size_t i = 0; i < choices_.size(); ++i) {
    choices_[i] = new QRadioButton(this);
    choices_[i]->setObjectName(kChoices[i].name);
    SetCaption(choices_[i], kChoices[i].caption);
    SetAccessibleName(choices_[i], kChoices[i].caption);
    column->addWidget(choices_[i]);
    connect(choices_[i], &QRadioButton::toggled, this, [this](bool on) {
      if (on) emit changed();
    });
  }
  choices_[0]->setChecked(true);
  choices_[2]->setEnabled(selectionSquare);
}

TextureFit TextureFitChoice::Fit() const {
  for (size_t i = 0; i < choices_.size(); ++i)
    if (choices_[i]->isChecked()) return static_cast<TextureFit>(i);
  return TextureFit::Whole;
}

}  // namespace pixmora::windows
