#include "app/colour_scheme_apply.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QProgressBar>
#include <QStatusBar>
#include <QToolBar>

#include "app/picture_box.h"
#include "windows/qt_pictures.h"

namespace pixmora::app {

namespace {

bool InsideStatusBar(const QWidget* w) {
  for (const QWidget* p = w; p; p = p->parentWidget())
    if (qobject_cast<const QStatusBar*>(p)) return true;
  return false;
}

// Labels, frames, picture boxes and the text-like controls take the scheme.
bool TakesScheme(QWidget* w) {
  if (InsideStatusBar(w)) return false;
  return qobject_cast<QLabel*>(w) || qobject_cast<QGroupBox*>(w) ||
         qobject_cast<PictureBox*>(w) || qobject_cast<QLineEdit*>(w) ||
         qobject_cast<QComboBox*>(w) || qobject_cast<QListWidget*>(w) ||
         (qobject_cast<QAbstractButton*>(w) && w->inherits("QCheckBox")) ||
         (qobject_cast<QAbstractButton*>(w) && w->inherits("QRadioButton"));
}

bool KeepsOwnColours(QWidget* w) {
  return qobject_cast<QAbstractSlider*>(w) || qobject_cast<QAbstractButton*>(w) ||
         qobject_cast<QMenuBar*>(w) || qobject_cast<QToolBar*>(w) ||
         qobject_cast<QStatusBar*>(w) || qobject_cast<QProgressBar*>(w);
}

// Every role set on the widget itself, so that a parent's colours no longer reach it.
void PinPalette(QWidget* w) {
  QPalette p = w->palette();
  p.setResolveMask(~QPalette::ResolveMask(0));
  w->setPalette(p);
}

void SetColours(QWidget* w, const QColor& back, const QColor& fore) {
  QPalette p = w->palette();
  for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base})
    p.setColor(role, back);
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text})
    p.setColor(role, fore);
  w->setPalette(p);
  w->setAutoFillBackground(true);
}

}  // namespace

void ApplyColourScheme(QWidget& window, const ColourScheme& scheme) {
  const QList<QWidget*> children = window.findChildren<QWidget*>();
  for (QWidget* w : children)
    if (KeepsOwnColours(w) && !TakesScheme(w)) PinPalette(w);
  const QColor back = windows::ToQColor(scheme.back), fore = windows::ToQColor(scheme.fore);
  SetColours(&window, back, fore);
  for (QWidget* w : children) {
    if (!TakesScheme(w)) continue;
    if (auto* preview = qobject_cast<PreviewBox*>(w)) preview->SetBackColour(scheme.back);
    SetColours(w, back, fore);
  }
}

}  // namespace pixmora::app
