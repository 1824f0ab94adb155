#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QMap>
#include <QMenuBar>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include "app/colour_swatch.h"
#include "app/picture_box.h"
#include "app/preferences_dialog.h"
#include "app/value_field.h"
#include "tests/app/window_fixture.h"
#include "tests/support/test_pictures.h"
#include "windows/picture_view.h"
#include "windows/preview_window.h"
#include "windows/texture_window.h"

namespace pixmora::test {

namespace {

// What a screen reader offers to act on: buttons, bars and sliders, spin
// boxes, text fields (not a spin box's own), lists, the previews and views.
bool Interactive(QWidget* w) {
  if (qobject_cast<QLineEdit*>(w)) return !qobject_cast<QAbstractSpinBox*>(w->parentWidget());
  return qobject_cast<QAbstractButton*>(w) || qobject_cast<QAbstractSlider*>(w) ||
         qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QAbstractItemView*>(w) ||
         qobject_cast<app::PressableBox*>(w) || qobject_cast<windows::PictureView*>(w);
}

// The interactive controls of window that a screen reader finds without a
// name of their own: with none, or with another's.
QStringList UnnamedControls(QWidget& window) {
  QMap<QString, QString> owners;
  QStringList problems;
  for (QWidget* w : window.findChildren<QWidget*>()) {
    if (!w->isVisibleTo(&window) || !Interactive(w)) continue;
    const QString name = QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
    const QString what = QString::fromUtf8(w->metaObject()->className()) + " " + w->objectName();
    if (name.isEmpty()) problems << what + " has no name";
    else if (owners.contains(name)) problems << what + " is named \"" + name + "\" as " + owners[name] + " is";
    else owners[name] = what;
  }
  return problems;
}

QString Name(QWidget* w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name); }

}  // namespace

// In both languages, with the previews or one picture large and zoomed, the
// history shown, and in the preview and texture windows, Preferences and the
// Image menu's dialogs, every control has a name of its own; a preview is named by its picture and
// that picture's size.
TEST_F(WindowTest, EveryInteractiveControlHasANameOfItsOwn) {
  ShipAll();
  for (const char* language : {"English", "Italiano"}) {
    SCOPED_TRACE(language);
    Write("sxconf.cff", std::string("\"Pixmora\",\"1\",\"\",\"\",\"\",\"") + language + "\",0\n");
    StartScripted();
    EXPECT_EQ(UnnamedControls(*window), QStringList());
  }
  OpenImageA(WritePicture(Varied(640, 480), "a.bmp"));
  EXPECT_EQ(Name(window->Controls().Image2), "Immagine A, 640 x 480");
  EXPECT_EQ(Name(window->Controls().Image3), "Immagine B, nessuna immagine");
  EXPECT_EQ(Name(window->Controls().HS1[4]), "Colore 2 verde");
  EXPECT_EQ(Name(window->Controls().Label4[4]), "Colore 2 verde, valore");

  window->show();
  window->resize(900, 600);
  Action("mnuViewImageA")->trigger();
  QCoreApplication::processEvents();
  Action("mnuActualSize")->trigger();
  Action("mnuHistory")->trigger();
  EXPECT_TRUE(window->Controls().largeView->horizontalScrollBar()->isVisibleTo(window.get()));
  EXPECT_EQ(UnnamedControls(*window), QStringList());

  window->Controls().Image5[0]->click();
  EXPECT_EQ(UnnamedControls(*window->findChild<windows::Form2*>("Form2")), QStringList());
  windows::Form3 texture(window->Session(), window.get());
  EXPECT_EQ(UnnamedControls(texture), QStringList());
  Action("mnuPreferences")->trigger();
  EXPECT_EQ(UnnamedControls(*Find<app::PreferencesDialog>("Preferences")), QStringList());
  for (const char* entry : {"mnuResize", "mnuSelection"})
    LookAtDialog(entry, [](QWidget& dialog) { EXPECT_EQ(UnnamedControls(dialog), QStringList()); });
}

// Tab walks the tool bar, the side panel from top to bottom (the bars through
// their fields) and the previews; Enter presses a preview and Space a swatch,
// as a screen reader's press does.
TEST_F(WindowTest, TheKeyboardReachesEveryControlAndPressesThePreviews) {
  StartScripted();
  OpenImageA(WritePicture(Varied(32, 24), "a.bmp"));
  window->show();
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  const app::Form1Controls& c = window->Controls();
  c.Image5[0]->setFocus();
  QStringList reached;
  for (int i = 0; i < 27; ++i) {
    QWidget* focus = QApplication::focusWidget();
    reached << (focus->objectName().isEmpty() ? Name(focus) : focus->objectName());
    QTest::keyClick(focus, Qt::Key_Tab);
  }
  EXPECT_EQ(reached.join(' '),
            "Image5(0) Image5(1) Image5(2) Image5(3) Image5(4) Image5(5) Image5(6) Live Chain commands "
            "Rectangle selection tool Ellipse selection tool Label6(0) Label4(0) "
            "Label4(1) Label4(2) Label6(1) Label4(3) Label4(4) Label4(5) Label3 Label9 Slider1 picture1 "
            "Image2 Image3 Image1 Picture4");

  Answer(WritePicture(Varied(20, 10), "b.bmp"));
  c.Image3->setFocus();
  QTest::keyClick(c.Image3, Qt::Key_Return);
  Settle();
  EXPECT_EQ(window->Session().Pic2.Width(), 20) << "Enter on image B's preview opens image B";
  EXPECT_EQ(QApplication::focusWidget(), c.Image3) << "disabled while the file opened, it has the focus again";
  EXPECT_EQ(Name(c.Image3), "Image B, 20 x 10");
  QStringList asked;
  window->SetColourDialog([&](const QColor&, QWidget*, const QString& title) {
    asked << title;
    return QColor();
  });
  QTest::keyClick(c.Label6[1], Qt::Key_Space);
  QAccessible::queryAccessibleInterface(c.Label6[0])->actionInterface()->doAction(
      QAccessibleActionInterface::pressAction());
  EXPECT_EQ(asked, QStringList({"Color 2", "Color 1"}));
}

}  // namespace pixmora::test
