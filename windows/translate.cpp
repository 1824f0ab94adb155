#include "windows/translate.h"

#include <QAbstractButton>
#include <QAction>
#include <QDockWidget>
#include <QGroupBox>
#include <QLabel>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMenu>
#include <QTranslator>

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

// Answers Qt's requests for its texts with the window's captions; a text
// they lack stays Qt's.
class CaptionTranslator : public QTranslator {
 public:
  using QTranslator::QTranslator;
  bool isEmpty() const override { return false; }
  QString translate(const char*, const char* source, const char*, int) const override {
    const std::string translated = Translate(source);
    return translated == source ? QString() : QString::fromStdString(translated);
  }
};

// The locale of the language the configuration names in itself or in
// English ("Italiano", "Italian"); empty when no locale speaks it.
QString LocaleOf(const std::string& language) {
  const QString name = QString::fromStdString(language);
  for (int code = QLocale::C + 1; code <= QLocale::LastLanguage; ++code) {
    const QLocale locale(static_cast<QLocale::Language>(code));
    if (name.compare(locale.nativeLanguageName(), Qt::CaseInsensitive) == 0 ||
        name.compare(QLocale::languageToString(locale.language()), Qt::CaseInsensitive) == 0)
      return locale.name();
  }
  return {};
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

void TranslateQtTexts() {
  // Qt's own translations, where the system has them, give the texts of its
  // dialogs (the file dialog's labels and columns); the window's captions,
  // installed after them, are asked first.
  static QTranslator* qtOwn = new QTranslator(QCoreApplication::instance());
  static CaptionTranslator* translator = new CaptionTranslator(QCoreApplication::instance());
  QCoreApplication::removeTranslator(qtOwn);
  QCoreApplication::removeTranslator(translator);
  const QString locale = LocaleOf(WindowLanguage());
  if (!locale.isEmpty() && qtOwn->load("qtbase_" + locale, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(qtOwn);
  // Installed again, it tells every widget that the language changed.
  QCoreApplication::installTranslator(translator);
}

QString PictureCaption(const QString& name, const Picture& picture) {
  if (!picture || picture->Count() == 0) return Tr("%1, no picture").arg(name);
  return Tr("%1, %2 x %3").arg(name).arg(picture->Width()).arg(picture->Height());
}

}  // namespace pixmora::windows
