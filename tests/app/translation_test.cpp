#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QRegularExpression>
#include <QToolButton>

#include "app/file_dialog.h"
#include "app/mnemonics.h"
#include "app/preferences_dialog.h"
#include "tests/app/window_fixture.h"
#include "tests/support/test_pictures.h"
#include "windows/preview_window.h"
#include "windows/texture_window.h"
#include "windows/translate.h"

namespace pixmora::test {

namespace {

// Where an object sits in its window, the same in every language:
// "Form1/QWidget[2]/QLabel[0]".
QString Place(const QObject* o, const QObject* root) {
  if (o == root || !o->parent()) return o->objectName();
  const QObjectList siblings = o->parent()->children();
  return Place(o->parent(), root) + "/" + o->metaObject()->className() + "[" +
         QString::number(siblings.indexOf(o)) + "]";
}

// Every text root shows or says (captions, titles, tool tips, accessible
// names and descriptions, menu entries), by where it stands.
QMap<QString, QString> Texts(QWidget& root) {
  QMap<QString, QString> texts;
  const auto keep = [&](const QObject* o, const char* what, const QString& text) {
    if (!text.isEmpty()) texts[Place(o, &root) + " " + what] = app::WithoutMnemonic(text);
  };
  QList<QWidget*> widgets = root.findChildren<QWidget*>();
  widgets << &root;
  for (const QWidget* w : widgets) {
    if (!w->isVisibleTo(&root) && w != &root && !qobject_cast<const QMenu*>(w)) continue;
    if (auto* label = qobject_cast<const QLabel*>(w)) keep(w, "text", label->text());
    if (auto* button = qobject_cast<const QAbstractButton*>(w)) keep(w, "text", button->text());
    if (auto* group = qobject_cast<const QGroupBox*>(w)) keep(w, "title", group->title());
    if (auto* edit = qobject_cast<const QLineEdit*>(w)) keep(w, "placeholder", edit->placeholderText());
    keep(w, "window title", w->windowTitle());
    keep(w, "tool tip", w->toolTip());
    keep(w, "name", w->accessibleName());
    keep(w, "description", w->accessibleDescription());
  }
  for (const QAction* a : root.findChildren<QAction*>()) {
    keep(a, "entry", a->text());
    keep(a, "tool tip", a->toolTip());
  }
  return texts;
}

// Words that stay the same in Italian, and what is no word at all (numbers,
// paths).
bool OnlyWordsBothLanguagesShare(QString text) {
  static const QRegularExpression shared(
      QStringLiteral("\\S*/\\S*|\\b(Live|OK|Pixmora|Ver|Dir|File|Texture|x|X|Y)\\b|[^[:alpha:]]"));
  return text.remove(shared).isEmpty();
}

}  // namespace

// Every text the main window, the preview window, the texture window,
// Preferences, the Image menu's dialogs and the save dialog (Qt's own texts
// from Qt's translations) show in English is another in
// Italian, but for a few words the two share.
TEST_F(WindowTest, ItalianLeavesNoCaptionInEnglish) {
  ShipAll();
  QMap<QString, QString> english;
  for (const char* language : {"English", "Italiano"}) {
    Write("sxconf.cff", std::string("\"Pixmora\",\"1\",\"\",\"\",\"\",\"") + language + "\",0\n");
    StartScripted();
    QMap<QString, QString> texts = Texts(*window);  // before the first picture: where to start
    OpenImageA(WritePicture(Varied(40, 30), "a.bmp"));
    RunAndWait([&] { CommandAction("fog")->trigger(); });
    Action("mnuSelectAll")->trigger();
    Settle();
    Action("mnuHistory")->trigger();
    window->Controls().Image5[2]->click();
    windows::Form3 texture(window->Session(), window.get());
    for (const auto& [place, text] : Texts(*window).asKeyValueRange()) texts[place + " later"] = text;
    texts.insert(Texts(*window->findChild<windows::Form2*>("Form2")));
    texts.insert(Texts(texture));
    Action("mnuPreferences")->trigger();
    texts.insert(Texts(*Find<app::PreferencesDialog>("Preferences")));
    for (const char* entry : {"mnuResize", "mnuSelection"})
      LookAtDialog(entry, [&](QWidget& dialog) { texts.insert(Texts(dialog)); });
    app::FileDialogRequest save;
    save.title = windows::Tr("Save");
    save.save = save.encoding = true;
    EXPECT_TRUE(LookAtDialogOf([&] { app::QtFileDialog().Show(window.get(), save); },
                               [&](QWidget& dialog) { texts.insert(Texts(dialog)); }));
    if (english.isEmpty()) {
      english = texts;
      continue;
    }
    for (auto it = texts.cbegin(); it != texts.cend(); ++it)
      EXPECT_TRUE(english.value(it.key()) != it.value() || OnlyWordsBothLanguagesShare(it.value()))
          << it.key().toStdString() << ": " << it.value().toStdString();
  }
}

}  // namespace pixmora::test
