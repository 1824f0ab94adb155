#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QSet>
#include <QTest>
#include <functional>

#include "app/mnemonics.h"
#include "session/catalogue/catalogue.h"
#include "session/captions/control_names.h"
#include "tests/app/window_fixture.h"

namespace pixmora::test {

namespace {

QStringList Names(const QList<QAction*>& actions) {
  QStringList names;
  for (const QAction* a : actions) names << ItemName(a);
  return names;
}

QString Text(const QAction* a) { return app::WithoutMnemonic(a->menu() ? a->menu()->title() : a->text()); }

// A language file whose entry n reads "E<n>".
std::string NumberedLanguage() {
  std::string text = "a header line\nVARY\n";
  for (int i = 0; i < 226; ++i) text += "E" + std::to_string(i) + "\n";
  return text;
}

}  // namespace

TEST_F(WindowTest, MenuBarInDesignOrder) {
  Start();
  QStringList titles;
  for (const QAction* a : window->menuBar()->actions()) titles << Text(a);
  EXPECT_EQ(titles, QStringList({"File.....", "Edit", "Color.....", "Mix Image....", "Filters....",
                                 "Filters Special....", "Effects", "View"}));
  EXPECT_EQ(Names(window->menuBar()->actions()),
            QStringList({"mnufi", "mnuEdit", "mnuColor", "mnuMixing", "mnuFilters", "mnuSpecFilters",
                         "mnuEffects", "mnuView"}));
}

TEST_F(WindowTest, FileMenuEntries) {
  Start();
  EXPECT_EQ(Names(Find<QMenu>("mnufi")->actions()),
            QStringList({"mnuapri", "mnuRecent", "pos3", "mnusalvap", "pos", "mnusalvax", "pos1",
                         "mnutex", "posRepeat", "mnuRepeat", "mnuReset", "pos2", "mnuesci"}));
  EXPECT_EQ(Names(Find<QMenu>("mnuapri")->actions()), QStringList({"mnuimma", "mnuimmb"}));
  EXPECT_EQ(Names(Find<QMenu>("mnusalvax")->actions()),
            QStringList({"mnusalva", "mnusalvaa", "mnusalvab"}));
  EXPECT_EQ(window->Caption("mnuimma"), "Image (a)");
  EXPECT_EQ(window->Caption("mnutex"), "Save Texture (256x256)");
  EXPECT_EQ(window->Caption("mnuesci"), "Exit");
  EXPECT_TRUE(Action("pos3")->isSeparator());
}

// Every menu and entry has an Alt+letter, the menus and File's entries each
// their own; Alt+F and F10 open the menus from the keyboard.
TEST_F(WindowTest, MenusHaveMnemonicsAndOpenFromTheKeyboard) {
  ShipAll();
  Start();
  std::function<void(const QList<QAction*>&, bool)> check = [&](const QList<QAction*>& actions, bool own) {
    QSet<int> letters;
    for (const QAction* a : actions) {
      if (a->isSeparator()) continue;
      const QString text = a->menu() ? a->menu()->title() : a->text();
      const QKeySequence mnemonic = QKeySequence::mnemonic(text);
      ASSERT_FALSE(mnemonic.isEmpty()) << text.toStdString();
      EXPECT_TRUE(!own || !letters.contains(mnemonic[0].key())) << text.toStdString();
      letters.insert(mnemonic[0].key());
      if (a->menu()) check(a->menu()->actions(), false);
    }
  };
  check(window->menuBar()->actions(), true);
  check(Find<QMenu>("mnufi")->actions(), true);
  EXPECT_EQ(window->menuBar()->actions()[0]->text(), "&File.....");
  window->show();
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  QTest::keyClick(window.get(), Qt::Key_F, Qt::AltModifier);
  EXPECT_TRUE(Find<QMenu>("mnufi")->isVisible());
  Find<QMenu>("mnufi")->close();
  QTest::keyClick(window.get(), Qt::Key_F10);
  EXPECT_EQ(window->menuBar()->activeAction(), window->menuBar()->actions()[0]);
}

TEST_F(WindowTest, OperationMenusFollowTheCatalogue) {
  Start();
  for (Menu menu : kMenus) {
    const QList<QAction*> actions = Find<QMenu>(MenuBarName(menu))->actions();
    const auto rows = MenuEntries(menu);
    ASSERT_EQ(actions.size(), static_cast<qsizetype>(rows.size())) << MenuKey(menu);
    for (size_t i = 0; i < rows.size(); ++i) {
      EXPECT_EQ(actions[i]->objectName().toStdString(), MenuEntryName(menu, rows[i].index));
      EXPECT_EQ(actions[i]->isSeparator(), rows[i].IsSeparator());
      if (!rows[i].IsSeparator()) {
        EXPECT_EQ(Text(actions[i]).toStdString(), rows[i].caption);
      }
    }
  }
  EXPECT_EQ(window->Caption("mnuCol(21)"), "Grayscale");
  EXPECT_TRUE(Action("mnuCol(20)")->isSeparator());
}

TEST_F(WindowTest, ALanguageFileReplacesTheCaptions) {
  Write("sxconf.cff", "\"x\",\"x\",\"x\",\"x\",\"x\",\"Numbered\",0\n");
  Write("supporto/Numbered.tra", NumberedLanguage());
  Start();
  EXPECT_EQ(Find<QLabel>("Label1")->text(), "%...E225");
  EXPECT_EQ(window->Caption("mnuColor"), "E86.....");
  EXPECT_EQ(window->Caption("mnuEffects"), "E140....");
  EXPECT_EQ(window->Caption("mnufi"), "File.....");
  EXPECT_EQ(window->Caption("mnuapri"), "E18");
  EXPECT_EQ(window->Caption("mnuCol(0)"), "E87");
  EXPECT_EQ(window->Caption("mnuCol(21)"), "E102");
  EXPECT_EQ(window->Caption("mnuEff(9)"), "E149");
  EXPECT_EQ(window->Caption("mnuesci"), "E35");
  EXPECT_EQ(Find<QLabel>("Label10")->text(), "E76");
  EXPECT_EQ(Find<QLabel>("Label12")->text(), "E103");
  EXPECT_EQ(Find<QLabel>("Label5(4)")->text(), "E155");
  EXPECT_EQ(Find<QLabel>("Label7(1)")->text(), "E157 2");
  EXPECT_EQ(Find<QGroupBox>("Frame1")->title(), "E150");
  // The two captions composed from translated ones.
  EXPECT_EQ(window->Caption("mnutex"), "E37 Texture (256x256)");
  EXPECT_EQ(window->Caption("mnusalvap"), "E18 Pattern..");
}

TEST_F(WindowTest, ShippedEnglishKeepsTheDesignCaptions) {
  ShipAll();
  Start();
  for (const CatalogueEntry& e : Catalogue()) {
    if (e.IsSeparator()) continue;
    EXPECT_EQ(window->Caption(MenuEntryName(e.menu, e.index).c_str()).toStdString(),
              e.caption);
  }
  EXPECT_EQ(window->Caption("mnuColor"), "Color.....");
  EXPECT_EQ(Find<QLabel>("Label1")->text(), "%...Working");
  EXPECT_EQ(Find<QLabel>("Label7(0)")->text(), "Color 1");
}

TEST_F(WindowTest, ShippedItalianProvesTheMechanism) {
  ShipAll();
  Write("sxconf.cff", "\"Pixmora\",\"1\",\"\",\"\",\"\",\"Italiano\",0\n");
  Start();
  EXPECT_EQ(window->Caption("mnuCol(21)"), "Scala di grigi");
  EXPECT_EQ(window->Caption("mnuSFil(5)"), QString::fromUtf8("Oscurit\u00e0 parziale"));
  EXPECT_EQ(window->Caption("mnuFilters"), "Filtri....");
  EXPECT_EQ(Find<QLabel>("Label5(4)")->text(), "Verde");
  EXPECT_EQ(Find<QLabel>("Label7(1)")->text(), "Colore 2");
  EXPECT_EQ(window->Caption("mnutex"), "Salva Texture (256x256)");
  EXPECT_EQ(Find<QLabel>("Label1")->text(), "%...Elaborazione");
}

TEST_F(WindowTest, AMissingLanguageFileLeavesTheDesignCaptions) {
  Write("sxconf.cff", "\"x\",\"x\",\"x\",\"x\",\"x\",\"Nowhere\",0\n");
  Start();
  EXPECT_EQ(window->Caption("mnusalvap"), "Open Pattern");
  EXPECT_EQ(Find<QLabel>("Label12")->text(), "Processed Image");
}

}  // namespace pixmora::test
