#include "app/dialog_fields.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "windows/translate.h"

namespace pixmora::app {

QSpinBox* AddNumberField(QFormLayout& form, const char* name, const char* label, const char* accessibleName,
                         int lo, int hi, int value) {
  auto* box = new QSpinBox(form.parentWidget());
  box->setObjectName(name);
  box->setRange(lo, hi);
  box->setValue(value);
  windows::SetAccessibleName(box, accessibleName);
  auto* caption = new QLabel(form.parentWidget());
  windows::SetCaption(caption, label);
  caption->setBuddy(box);
  form.addRow(caption, box);
  return box;
}

QDialogButtonBox* AddOkCancel(QDialog& dialog, QFormLayout& form, const char* okName, const char* cancelName) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  windows::SetCaption(buttons->button(QDialogButtonBox::Ok), "OK");
  windows::SetAccessibleName(buttons->button(QDialogButtonBox::Ok), okName);
  windows::SetCaption(buttons->button(QDialogButtonBox::Cancel), "Cancel");
  windows::SetAccessibleName(buttons->button(QDialogButtonBox::Cancel), cancelName);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  form.addRow(buttons);
  return buttons;
}

}  // namespace pixmora::app
