// Edit > Preferences...: the language, the colour scheme, how Live and Chain
// start and the memory the history keeps its pictures in. The dialog only gathers the
// choices; the window applies and keeps them (form1_preferences.cpp).
#pragma once
#include <QColor>
#include <QDialog>
#include <QStringList>
#include <functional>

#include "app/user_settings.h"
#include "session/config/colour_scheme.h"

class QComboBox;
class QFormLayout;
class QPushButton;
class QSpinBox;

namespace pixmora::app {

struct Preferences {
  QString language;
  ColourScheme scheme;
  StartState liveAtStart = StartState::AsLeft;
  StartState chainAtStart = StartState::AsLeft;
  int historyMemoryMiB = 0;  // 0: the history's own share of the memory
};

class PreferencesDialog : public QDialog {
  Q_OBJECT
 public:
  // The colour dialog: the colour chosen, invalid when cancelled.
  using ChooseColour = std::function<QColor(const QColor& initial, const QString& title)>;
  PreferencesDialog(const Preferences& now, const QStringList& languages, ChooseColour chooseColour,
                    QWidget* parent);

  Preferences Chosen() const;

 private:
  void AddLanguage(const QString& now, const QStringList& languages);
  void AddScheme(const ColourScheme& now);
  void AddColourButton(QPushButton*& button, const char* caption, const char* name, ColorRef ColourScheme::*colour);
  // How a toggle starts, as a choice named caption.
  QComboBox* AddStart(const char* name, const char* caption, StartState now);
  void AddHistoryMemory(int now);
  void SchemeChosen(int index);
  void ShowOwnColours();

  ChooseColour chooseColour_;
  ColourScheme own_;  // the colours "Your own colours" stands for
  QFormLayout* form_ = nullptr;
  QComboBox* language_ = nullptr;
  QComboBox* scheme_ = nullptr;
  QPushButton* back_ = nullptr;
  QPushButton* text_ = nullptr;
  QComboBox* live_ = nullptr;
  QComboBox* chain_ = nullptr;
  QSpinBox* historyMemory_ = nullptr;
};

}  // namespace pixmora::app
