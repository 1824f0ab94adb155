// Form1 in the language the configuration names: the design's captions come
// from the language file (LoadConfiguration); everything the window adds, and
// what it composes from those captions, follows here.
#include <QMenuBar>

#include "app/form1.h"
#include "app/menu_bar.h"
#include "app/mnemonics.h"
#include "windows/translate.h"

namespace pixmora::app {

void Form1::ShowLanguage() {
  windows::Retranslate(*this);
  ShowOperationToolTips(*menuBar());
  ReadStepCaptions();
  ShowRepeatCaption();
  emit languageChanged();
  // The letters of Alt+letter are chosen once every caption is in.
  AssignMnemonics(*menuBar());
}

}  // namespace pixmora::app
