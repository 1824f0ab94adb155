#include "windows/translate.h"

#include <QAbstractButton>
#include <QAction>
#include <QDockWidget>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>

#include "session/captions/window_captions.h"

namespace pixmora::windows {

namespace {

constexpr const char* kCaption = "pixmoraCaption";
constexpr const char* kToolTip = "pixmoraToolTip";
constexpr const char* kAccessibleName = "pixmoraAccessibleName";

void ShowCaption(QObject* object, const QString& text) {
  if (auto* action = qobject_cast<QAction*>(object)) action->setText(text);
  else if (auto* menu = qobject_cast<QMenu*>(object)) menu->setTitle(text);
  else if (auto* label = qobject_cast<QLabel*>(object)) label->setText(text);
  else if (auto* button = qobject_cast<QAbstractButton*>(object)) button->setText(text);
  else if (auto* group = qobject_cast<QGroupBox*>(object)) group->setTitle(text);
  else if (auto* widget = qobject_cast<QWidget*>(object)) widget->setWindowTitle(text);
}

void ShowToolTip(QObject* object, const QString& text) {
  if (auto* action = qobject_cast<QAction*>(object)) action->setToolTip(text);
  else if (auto* widget = qobject_cast<QWidget*>(object)) widget->setToolTip(text);
}

void Apply(QObject* object) {
  const QVariant caption = object->property(kCaption);
  if (caption.isValid()) ShowCaption(object, Tr(caption.toByteArray().constData()));
  const QVariant tip = object->property(kToolTip);
  if (tip.isValid()) ShowToolTip(object, Tr(tip.toByteArray().constData()));
  const QVariant name = object->property(kAccessibleName);
  if (auto* widget = qobject_cast<QWidget*>(object); widget && name.isValid())
    widget->setAccessibleName(Tr(name.toByteArray().constData()));
}

}  // namespace

QString Tr(const char* english) { return QString::fromStdString(Translate(english)); }

void SetCaption(QObject* object, const char* english) {
  object->setProperty(kCaption, QByteArray(english));
  Apply(object);
}

void SetToolTip(QObject* object, const char* english) {
  object->setProperty(kToolTip, QByteArray(english));
  Apply(object);
}

void SetAccessibleName(QWidget* widget, const char* english) {
  widget->setProperty(kAccessibleName, QByteArray(english));
  Apply(widget);
}

void Retranslate(QObject& root) {
  Apply(&root);
  for (QObject* child : root.findChildren<QObject*>()) Apply(child);
}

}  // namespace pixmora::windows
