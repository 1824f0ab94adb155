#include "app/preferences_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <iterator>

#include "windows/qt_pictures.h"
#include "windows/translate.h"

namespace pixmora::app {

namespace {

struct SchemeChoice {
  const char* caption;
  ColourScheme scheme;
};
// The schemes offered by name; after them the user's own colours.
constexpr SchemeChoice kSchemes[] = {
    {"The design's colours", {kDefaultBackColour, kDefaultForeColour}},
    {"Light", {PackRGB(240, 240, 240), PackRGB(0, 0, 0)}},
    {"Dark", {PackRGB(45, 45, 48), PackRGB(230, 230, 230)}},
};
constexpr int kOwnScheme = static_cast<int>(std::size(kSchemes));

// How a toggle may start, in the order StartState lists them.
constexpr const char* kStarts[] = {"As last left", "On", "Off"};

constexpr int kMaxHistoryMiB = 1 << 18;  // 256 GiB

QIcon Swatch(ColorRef colour) {
  QPixmap pixmap(16, 16);
  pixmap.fill(windows::ToQColor(colour));
  return QIcon(pixmap);
}

// A row of the form: the control with a caption beside it, which is its name too.
void AddRow(QFormLayout& form, const char* english, QWidget* control) {
  auto* label = new QLabel;
  windows::SetCaption(label, english);
  label->setBuddy(control);
  windows::SetAccessibleName(control, english);
  form.addRow(label, control);
}

}  // namespace

PreferencesDialog::PreferencesDialog(const Preferences& now, const QStringList& languages,
                                     ChooseColour chooseColour, QWidget* parent)
    : QDialog(parent), chooseColour_(std::move(chooseColour)), own_(now.scheme) {
  setObjectName("Preferences");
  windows::SetCaption(this, "Preferences");
  auto* column = new QVBoxLayout(this);
  form_ = new QFormLayout;
  column->addLayout(form_);
  AddLanguage(now.language, languages);
  AddScheme(now.scheme);
  live_ = AddStart("liveAtStart", "Live at start", now.liveAtStart);
  chain_ = AddStart("chainAtStart", "Chain at start", now.chainAtStart);
  AddHistoryMemory(now.historyMemoryMiB);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  column->addWidget(buttons);
}

void PreferencesDialog::AddLanguage(const QString& now, const QStringList& languages) {
  language_ = new QComboBox;
  language_->setObjectName("language");
  language_->addItems(languages);
  if (!languages.contains(now)) language_->addItem(now);
  language_->setCurrentText(now);
  AddRow(*form_, "Language", language_);
}

void PreferencesDialog::AddScheme(const ColourScheme& now) {
  scheme_ = new QComboBox;
  scheme_->setObjectName("scheme");
  for (const SchemeChoice& choice : kSchemes) scheme_->addItem(windows::Tr(choice.caption));
  scheme_->addItem(windows::Tr("Your own colours"));
  int index = kOwnScheme;
  for (int i = 0; i < kOwnScheme; ++i)
    if (kSchemes[i].scheme.back == now.back && kSchemes[i].scheme.fore == now.fore) index = i;
  scheme_->setCurrentIndex(index);
  AddRow(*form_, "Colour scheme", scheme_);
  AddColourButton(back_, "Back colour", "back", &ColourScheme::back);
  AddColourButton(text_, "Text colour", "text", &ColourScheme::fore);
  auto* note = new QLabel;
  note->setWordWrap(true);
  windows::SetCaption(note,
                      "The back colour also shows in results: in the corners the rotation leaves, in Circles, and "
                      "around the lines and squares of the Effects menu. Recipes record it, so their replays do "
                      "not change with the scheme.");
  form_->addRow(note);
  connect(scheme_, &QComboBox::currentIndexChanged, this, &PreferencesDialog::SchemeChosen);
  ShowOwnColours();
}

void PreferencesDialog::AddColourButton(QPushButton*& button, const char* caption, const char* name,
                                        ColorRef ColourScheme::*colour) {
  button = new QPushButton;
  button->setObjectName(name);
  AddRow(*form_, caption, button);
  windows::SetCaption(button, "Choose...");
  connect(button, &QPushButton::clicked, this, [this, caption, colour] {
    const QColor chosen = chooseColour_(windows::ToQColor(own_.*colour), windows::Tr(caption));
    if (!chosen.isValid()) return;  // cancelled
    own_.*colour = PackRGB(chosen.red(), chosen.green(), chosen.blue());
    scheme_->setCurrentIndex(kOwnScheme);
    ShowOwnColours();
  });
}

QComboBox* PreferencesDialog::AddStart(const char* name, const char* caption, StartState now) {
  auto* start = new QComboBox;
  start->setObjectName(name);
  for (const char* choice : kStarts) start->addItem(windows::Tr(choice));
  start->setCurrentIndex(static_cast<int>(now));
  AddRow(*form_, caption, start);
  return start;
}

void PreferencesDialog::AddHistoryMemory(int now) {
  historyMemory_ = new QSpinBox;
  historyMemory_->setObjectName("historyMemory");
  historyMemory_->setRange(0, kMaxHistoryMiB);
  historyMemory_->setSingleStep(256);
  historyMemory_->setSuffix(QStringLiteral(" MiB"));
  historyMemory_->setSpecialValueText(windows::Tr("Automatic"));
  historyMemory_->setValue(now);
  AddRow(*form_, "History pictures in memory", historyMemory_);
}

// A scheme chosen by name shows its colours, which "Your own colours" then
// starts from.
void PreferencesDialog::SchemeChosen(int index) {
  if (index < kOwnScheme) own_ = kSchemes[index].scheme;
  ShowOwnColours();
}

void PreferencesDialog::ShowOwnColours() {
  back_->setIcon(Swatch(own_.back));
  text_->setIcon(Swatch(own_.fore));
}

Preferences PreferencesDialog::Chosen() const {
  Preferences chosen;
  chosen.language = language_->currentText();
  chosen.scheme = own_;
  chosen.liveAtStart = static_cast<StartState>(live_->currentIndex());
  chosen.chainAtStart = static_cast<StartState>(chain_->currentIndex());
  chosen.historyMemoryMiB = historyMemory_->value();
  return chosen;
}

}  // namespace pixmora::app
