// The window's own captions in the window's language (see
// session/captions/window_captions.h). A caption set here remembers its
// English, so that Retranslate shows it again in a language chosen later.
#pragma once
#include <QString>

#include "core/picture.h"

class QObject;
class QWidget;

namespace pixmora::windows {

// english in the window's language now.
QString Tr(const char* english);

// The text of an action, a menu, a label, a button, a group box, a dock or a
// window, shown translated now and after every Retranslate.
void SetCaption(QObject* object, const char* english);
void SetToolTip(QObject* object, const char* english);
void SetAccessibleName(QWidget* widget, const char* english);

// Every caption, tool tip and accessible name set above in root and its
// children, in the window's language now.
void Retranslate(QObject& root);

// Qt's own texts (a dock's buttons, a message box's standard buttons, the
// colour dialog) from the same captions, in the window's language now; the
// widgets Qt made already show them again.
void TranslateQtTexts();

// How a picture is named to screen readers: "Image A, 1024 x 768", or
// "Image A, no picture"; name is already translated.
QString PictureCaption(const QString& name, const Picture& picture);

}  // namespace pixmora::windows
