#include "app/mnemonics.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSet>

namespace pixmora::app {

namespace {

// Where in plain the mnemonic goes: a word's first letter not yet taken,
// else any letter not taken. In a long menu every letter of a caption may
// be taken: its first letter is then shared, and pressing it again moves on
// to the next entry that shares it.
qsizetype MnemonicPlace(const QString& plain, const QSet<QChar>& taken) {
  qsizetype first = -1;
  for (bool wordStarts : {true, false})
    for (qsizetype i = 0; i < plain.size(); ++i) {
      const bool start = i == 0 || !plain[i - 1].isLetterOrNumber();
      if (!plain[i].isLetterOrNumber() || !(start || !wordStarts)) continue;
      if (first < 0) first = i;
      if (!taken.contains(plain[i].toLower())) return i;
    }
  return first;
}

QString WithMnemonic(const QString& plain, QSet<QChar>& taken) {
  const qsizetype place = MnemonicPlace(plain, taken);
  QString text;
  for (qsizetype i = 0; i < plain.size(); ++i) {
    if (i == place) text += '&';
    text += plain[i] == '&' ? QStringLiteral("&&") : QString(plain[i]);
  }
  if (place >= 0) taken.insert(plain[place].toLower());
  return text;
}

void AssignAll(const QList<QAction*>& actions) {
  QSet<QChar> taken;
  for (QAction* action : actions) {
    if (action->isSeparator()) continue;
    action->setText(WithMnemonic(WithoutMnemonic(action->text()), taken));
    if (QMenu* sub = action->menu()) AssignMnemonics(*sub);
  }
}

}  // namespace

QString WithoutMnemonic(const QString& text) {
  QString plain;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) ++i;
    plain += text[i];
  }
  return plain;
}

void AssignMnemonics(QMenuBar& bar) { AssignAll(bar.actions()); }

void AssignMnemonics(QMenu& menu) { AssignAll(menu.actions()); }

}  // namespace pixmora::app
