// The pieces the Image menu's small dialogs are made of, each captioned and
// named in the window's language.
#pragma once

class QDialog;
class QDialogButtonBox;
class QFormLayout;
class QSpinBox;

namespace pixmora::app {

// A labelled whole number from lo to hi, with its object name, and its name
// for screen readers.
QSpinBox* AddNumberField(QFormLayout& form, const char* name, const char* label, const char* accessibleName,
                         int lo, int hi, int value);
// OK and Cancel at the foot of the form, accepting and rejecting the dialog.
QDialogButtonBox* AddOkCancel(QDialog& dialog, QFormLayout& form, const char* okName, const char* cancelName);

}  // namespace pixmora::app
