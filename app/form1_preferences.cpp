// Edit > Preferences...: the language goes into "sxconf.cff" and the colours
// into "color_menu.cff" in the data folder, where the next start reads them;
// how Live and Chain start and the history's memory go into the window's
// settings. Each shows at once. A file that cannot be written is named in the
// status bar, and the choice still holds until the window closes.
#include <QAction>
#include <QApplication>
#include <QMenu>

#include "app/form1.h"
#include "app/menu_entries.h"
#include "app/preferences_dialog.h"
#include "app/user_settings.h"
#include "app/widget_captions.h"
#include "session/config/configuration.h"
#include "windows/translate.h"

namespace pixmora::app {

void Form1::BuildPreferences() {
  QMenu& edit = *findChild<QMenu*>("mnuEdit");
  edit.addSeparator();
  QAction* preferences = AddMenuEntry(edit, "mnuPreferences", "Preferences...");
  connect(preferences, &QAction::triggered, this, &Form1::OpenPreferences);
}

void Form1::OpenPreferences() {
  Preferences now;
  now.language = QString::fromStdString(
      ReadLanguageName(ws_.folders.data + kConfigurationFile).value_or(std::string("English")));
  now.scheme = scheme_;
  now.liveAtStart = LiveAtStart();
  now.chainAtStart = ChainAtStart();
  now.historyMemoryMiB = HistoryMemoryMiB();
  QStringList languages;
  for (const std::string& name : LanguageNames(ws_.folders)) languages << QString::fromStdString(name);
  const auto chooseColour = [this](const QColor& initial, const QString& title) {
    QWidget* over = QApplication::activeModalWidget();
    return chooseColour_(initial, over ? over : this, title);
  };
  auto* dialog = new PreferencesDialog(now, languages, chooseColour, this);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  connect(dialog, &QDialog::accepted, this, [this, dialog, now] { ApplyPreferences(now, dialog->Chosen()); });
  dialog->open();
}

void Form1::ApplyPreferences(const Preferences& was, const Preferences& chosen) {
  const auto kept = [this](const Status& written) {
    if (!written)
      Report(windows::Tr("Kept until the window closes, not for the next start: %1")
                 .arg(QString::fromStdString(written.error().Message())));
  };
  if (chosen.language != was.language) {
    const std::string language = chosen.language.toStdString();
    WidgetCaptions captions(*this);
    if (const Status used = UseLanguage(ws_.folders, language, captions); !used) {
      Report(QString::fromStdString(used.error().Message()));
    } else {
      kept(WriteLanguageName(ws_.folders.data + kConfigurationFile, language));
      ShowLanguage();
      Form_Resize();
    }
  }
  if (chosen.scheme.back != was.scheme.back || chosen.scheme.fore != was.scheme.fore) {
    kept(WriteColourScheme(ws_.folders.data + kColourSchemeFile, chosen.scheme));
    ShowColourScheme(chosen.scheme);
    RefreshPreviews();
  }
  SetLiveAtStart(chosen.liveAtStart);
  SetChainAtStart(chosen.chainAtStart);
  SetHistoryMemoryMiB(chosen.historyMemoryMiB);
  history_->SetMemoryBudget(ChosenHistoryBudget().memoryBytes);
  if (!history_->Note().empty()) Report(QString::fromStdString(history_->Note()));
  emit historyChanged();
}

}  // namespace pixmora::app
