// Alt+letter for the menus and their entries. Each caption gets the first
// letter of one of its words not yet taken in its menu, else any letter not
// taken. The captions come from the language file, so the letters are chosen
// once those are in place.
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
