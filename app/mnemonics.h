// Alt+letter for the menus and their entries. Within a menu (and within the
// menu bar) no two captions share a letter: each gets the first letter of one
// of its words where it can, else another of its letters. The captions come
// from the language files, so the letters are chosen again whenever those
// change.
#pragma once
#include <QString>

class QMenu;
class QMenuBar;

namespace pixmora::app {

// The menus of the bar and every entry of each, submenus included.
void AssignMnemonics(QMenuBar& bar);
void AssignMnemonics(QMenu& menu);

// The caption as the user reads it ("&File" is "File", "&&" is "&").
QString WithoutMnemonic(const QString& text);

}  // namespace pixmora::app
