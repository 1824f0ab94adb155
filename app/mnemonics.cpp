#include "app/mnemonics.h"

#include <QAction>
#include <QHash>
#include <QMenu>
#include <QMenuBar>
#include <QSet>

namespace pixmora::app {

namespace {

// The places in plain that could take the mnemonic, one for each letter (or
// digit) it holds: the first letters of its words first, then the others.
QList<qsizetype> Candidates(const QString& plain) {
  QList<qsizetype> places;
  QSet<QChar> seen;
  for (bool wordStarts : {true, false})
    for (qsizetype i = 0; i < plain.size(); ++i) {
      const bool start = i == 0 || !plain[i - 1].isLetterOrNumber();
      if (!plain[i].isLetterOrNumber() || (wordStarts && !start) || seen.contains(plain[i].toLower())) continue;
      seen.insert(plain[i].toLower());
      places << i;
    }
  return places;
}

// Gives each caption of a menu a letter no other caption of it has, so that
// Alt+letter always names one entry. Each takes its first free choice in
// menu order; one left without moves an earlier one to another of its
// letters where that frees one (an augmenting path, as in bipartite
// matching).
class LetterMatch {
 public:
  explicit LetterMatch(const QStringList& plains) : plains_(plains), chosen_(plains.size(), -1) {
    for (const QString& plain : plains) candidates_ << Candidates(plain);
    for (qsizetype e = 0; e < plains.size(); ++e)
      for (qsizetype place : candidates_[e])
        if (!holder_.contains(Letter(e, place))) {
          Take(e, place);
          break;
        }
    for (qsizetype e = 0; e < plains.size(); ++e) {
      QSet<QChar> visited;
      if (chosen_[e] < 0) Reach(e, visited);
    }
  }
  // Where entry e's mnemonic goes; -1 when every letter it has is needed elsewhere.
  qsizetype Place(qsizetype e) const { return chosen_[e]; }

 private:
  QChar Letter(qsizetype e, qsizetype place) const { return plains_[e][place].toLower(); }
  void Take(qsizetype e, qsizetype place) {
    holder_[Letter(e, place)] = e;
    chosen_[e] = place;
  }
  bool Reach(qsizetype e, QSet<QChar>& visited) {
    for (qsizetype place : candidates_[e]) {
      const QChar letter = Letter(e, place);
      if (visited.contains(letter)) continue;
      visited.insert(letter);
      if (!holder_.contains(letter) || Reach(holder_[letter], visited)) {
        Take(e, place);
        return true;
      }
    }
    return false;
  }

  const QStringList& plains_;
  QList<QList<qsizetype>> candidates_;
  QList<qsizetype> chosen_;
  QHash<QChar, qsizetype> holder_;
};

QString WithMnemonic(const QString& plain, qsizetype place) {
  QString text;
  for (qsizetype i = 0; i < plain.size(); ++i) {
    if (i == place) text += '&';
    text += plain[i] == '&' ? QStringLiteral("&&") : QString(plain[i]);
  }
  return text;
}

void AssignAll(const QList<QAction*>& all) {
  QList<QAction*> actions;
  QStringList plains;
  for (QAction* action : all)
    if (!action->isSeparator()) {
      actions << action;
      plains << WithoutMnemonic(action->text());
    }
  const LetterMatch match(plains);
  for (qsizetype e = 0; e < actions.size(); ++e) {
    actions[e]->setText(WithMnemonic(plains[e], match.Place(e)));
    if (QMenu* sub = actions[e]->menu()) AssignMnemonics(*sub);
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
