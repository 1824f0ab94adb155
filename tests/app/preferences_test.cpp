#include <QComboBox>
#include <QDialogButtonBox>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "app/mnemonics.h"
#include "app/preferences_dialog.h"
#include "app/user_settings.h"
#include "session/config/colour_scheme.h"
#include "tests/app/window_fixture.h"
#include "tests/support/picture_files.h"

namespace pixmora::test {

namespace {

class PreferencesTest : public WindowTest {
 protected:
  app::PreferencesDialog& Open() {
    Action("mnuPreferences")->trigger();
    auto* dialog = Find<app::PreferencesDialog>("Preferences");
    EXPECT_TRUE(dialog && dialog->isVisible());
    return *dialog;
  }
  static void Press(QWidget& dialog, const char* control, Qt::Key key) {
    QTest::keyClick(dialog.findChild<QWidget*>(control), key);
  }
  static void Ok(QWidget& dialog) {
    dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    QCoreApplication::processEvents();
  }
  QString EditTitle() const { return app::WithoutMnemonic(Find<QMenu>("mnuEdit")->title()); }
};

}  // namespace

// Preferences as a user goes through them: the language shows at once and
// is written into the configuration, whose other values stay; own colours
// colour the window and the hidden surfaces at once and are written into
// the colour scheme; how Live and Chain start and the history's memory are
// kept; the next start takes them all up; English comes back as it went.
TEST_F(PreferencesTest, ChoicesShowAtOnceAndTheNextStartKeepsThem) {
  ShipAll();
  Write("sxconf.cff", "\"Pixmora\", \"1\", \"mine\", \"\", \"\", \"English\", 7\n");
  StartScripted();
  QStringList asked;
  window->SetColourDialog([&](const QColor&, QWidget*, const QString& title) {
    asked << title;
    return QColor(10, 20, 30);
  });
  Action("mnuChain")->trigger();  // left on, but to start off
  app::PreferencesDialog& dialog = Open();
  Press(dialog, "language", Qt::Key_Down);  // English, then Italiano
  dialog.findChild<QPushButton*>("back")->click();
  Press(dialog, "liveAtStart", Qt::Key_Down);  // as last left, then on
  Press(dialog, "chainAtStart", Qt::Key_End);  // off
  QSpinBox* memory = dialog.findChild<QSpinBox*>("historyMemory");
  memory->selectAll();
  QTest::keyClicks(memory, "512");
  Ok(dialog);

  EXPECT_EQ(asked, QStringList{"Back colour"});
  EXPECT_EQ(EditTitle(), "Modifica");
  EXPECT_EQ(window->Caption("mnuCol(21)"), "Scala di grigi");
  EXPECT_TRUE(Find<QMenu>("mnuEdit")->title().contains('&')) << "the Alt+letters are chosen again";
  EXPECT_EQ(FileBytes(data + "sxconf.cff"), "\"Pixmora\", \"1\", \"mine\", \"\", \"\", \"Italiano\", 7\n");
  const ColorRef back = PackRGB(10, 20, 30);
  EXPECT_EQ(window->palette().color(QPalette::Window), QColor(10, 20, 30));
  EXPECT_EQ(window->Session().Pic4.BackColor, back) << "the hidden surfaces take the back colour";
  Folders folders;
  folders.data = data;
  EXPECT_EQ(ReadColourScheme(folders).back, back);
  EXPECT_EQ(ReadColourScheme(folders).fore, kDefaultForeColour);
  EXPECT_EQ(app::LiveAtStart(), app::StartState::On);
  EXPECT_EQ(app::ChainAtStart(), app::StartState::Off);
  EXPECT_EQ(app::HistoryMemoryMiB(), 512);

  window.reset();
  StartScripted();
  EXPECT_TRUE(Action("mnuLive")->isChecked());
  EXPECT_FALSE(Action("mnuChain")->isChecked());
  EXPECT_EQ(EditTitle(), "Modifica");
  EXPECT_EQ(window->Session().Pic4.BackColor, back);
  app::PreferencesDialog& again = Open();
  EXPECT_EQ(again.windowTitle(), "Preferenze");
  EXPECT_EQ(again.findChild<QComboBox*>("scheme")->currentText(), "I tuoi colori");
  EXPECT_EQ(again.findChild<QSpinBox*>("historyMemory")->value(), 512);
  Press(again, "language", Qt::Key_Up);
  Press(again, "scheme", Qt::Key_Home);  // the design's colours
  Ok(again);
  EXPECT_EQ(EditTitle(), "Edit");
  EXPECT_EQ(window->Caption("mnuCol(21)"), "Grayscale");
  EXPECT_EQ(window->Session().Pic4.BackColor, kDefaultBackColour);
  EXPECT_EQ(ReadColourScheme(folders).back, kDefaultBackColour);
}

}  // namespace pixmora::test
