// Form1 in the language the configuration names: the design's captions come
// from the language file (LoadConfiguration); everything the window adds, and
// what it composes from those captions, follows here.
#include <QMenuBar>
#include <QScrollBar>
#include <QSlider>

#include "app/colour_swatch.h"
#include "app/form1.h"
#include "app/menu_bar.h"
#include "app/mnemonics.h"
#include "app/picture_box.h"
#include "app/value_field.h"
#include "session/captions/control_names.h"
#include "windows/translate.h"

namespace pixmora::app {

void Form1::ShowLanguage() {
  windows::TranslateQtTexts();
  windows::Retranslate(*this);
  ShowOperationToolTips(*menuBar());
  NameControls();
  ReadStepCaptions();
  ShowRepeatCaption();
  UpdateAvailability();
  emit languageChanged();
  // The letters of Alt+letter are chosen once every caption is in.
  AssignMnemonics(*menuBar());
}

// Names a screen reader says, made from the captions beside the controls:
// "Color 1 red" and "Color 1 red value" for a bar and its field.
void Form1::NameControls() {
  const QList<QScrollBar*> bars = ValueBars();
  const QList<ValueField*> fields = ValueFields();
  for (qsizetype i = 0; i < bars.size(); ++i) {
    bars[i]->setAccessibleName(ValueName(fields[i]));
    fields[i]->setAccessibleName(windows::Tr("%1 value").arg(ValueName(fields[i])));
  }
  for (int i = 0; i < 2; ++i)
    c_.Label6[i]->setAccessibleName(windows::Tr("Choose %1").arg(Caption(IndexedName("Label7", i).c_str())));
  c_.Slider1->setAccessibleName(Caption("Label13"));
  for (PreviewBox* box : {c_.Image2, c_.Image3, c_.Image1, c_.Picture4, c_.picture1}) box->Show();
}

}  // namespace pixmora::app
