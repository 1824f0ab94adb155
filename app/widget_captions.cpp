#include "app/widget_captions.h"

#include "app/mnemonics.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QWidget>

namespace pixmora::app {

std::string WidgetCaptions::Caption(const std::string& control) const {
  const QObject* o = window_.findChild<QObject*>(QString::fromStdString(control));
  QString text;
  if (auto* menu = qobject_cast<const QMenu*>(o)) text = menu->title();
  else if (auto* action = qobject_cast<const QAction*>(o)) text = action->text();
  else if (auto* label = qobject_cast<const QLabel*>(o)) text = label->text();
  else if (auto* frame = qobject_cast<const QGroupBox*>(o)) text = frame->title();
  return WithoutMnemonic(text).toStdString();
}

void WidgetCaptions::SetCaption(const std::string& control, const std::string& caption) {
  QObject* o = window_.findChild<QObject*>(QString::fromStdString(control));
  const QString text = QString::fromStdString(caption);
  if (auto* menu = qobject_cast<QMenu*>(o)) menu->setTitle(text);
  else if (auto* action = qobject_cast<QAction*>(o)) action->setText(text);
  else if (auto* label = qobject_cast<QLabel*>(o)) label->setText(text);
  else if (auto* frame = qobject_cast<QGroupBox*>(o)) frame->setTitle(text);
}

}  // namespace pixmora::app
