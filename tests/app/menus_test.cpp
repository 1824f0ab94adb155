#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>

#include "session/catalogue/catalogue.h"
#include "session/captions/control_names.h"
#include "tests/app/window_fixture.h"

namespace pixmora::test {

namespace {

// A language file whose entry n reads "E<n>".
std::string NumberedLanguage() {
  std::string text = "a header line\nVARY\n";
  for (int i = 0; i < 226; ++i) text += "E" + std::to_string(i) + "\n";
  return text;
}

}  // namespace

// Each operation menu holds its catalogue rows in order, with their captions
// and separators where the rows have them, every entry enabled.
TEST_F(WindowTest, OperationMenusFollowTheCatalogue) {
  Start();
  for (Menu menu : kMenus) {
    const QList<QAction*> actions = Find<QMenu>(MenuBarName(menu))->actions();
    const auto rows = MenuEntries(menu);
    ASSERT_EQ(actions.size(), static_cast<qsizetype>(rows.size())) << MenuKey(menu);
    for (size_t i = 0; i < rows.size(); ++i) {
      EXPECT_EQ(actions[i]->objectName().toStdString(), MenuEntryName(menu, rows[i].index));
      EXPECT_EQ(actions[i]->isSeparator(), rows[i].IsSeparator());
      EXPECT_TRUE(actions[i]->isEnabled()) << actions[i]->objectName().toStdString();
      if (!rows[i].IsSeparator()) {
        EXPECT_EQ(actions[i]->text().toStdString(), rows[i].caption);
      }
    }
  }
}

// Menu entries take the entries after their menu's title, one for each entry
// that is not a separator.
TEST_F(WindowTest, ALanguageFileReplacesTheCaptions) {
  Write("sxconf.cff", "\"x\",\"x\",\"x\",\"x\",\"x\",\"Numbered\",0\n");
  Write("supporto/Numbered.tra", NumberedLanguage());
  Start();
  EXPECT_EQ(Find<QLabel>("Label1")->text(), "%...E225");
  EXPECT_EQ(Find<QMenu>("mnuColor")->title(), "E86.....");
  EXPECT_EQ(Find<QMenu>("mnuEffects")->title(), "E140....");
  EXPECT_EQ(Find<QMenu>("mnufi")->title(), "File.....")
      << "the File menu title is never translated";
  EXPECT_EQ(Find<QMenu>("mnuapri")->title(), "E18");
  EXPECT_EQ(Action("mnuCol(0)")->text(), "E87");
  EXPECT_EQ(Action("mnuCol(2)")->text(), "E88");
  EXPECT_EQ(Action("mnuCol(21)")->text(), "E102");
  EXPECT_EQ(Action("mnuMix(6)")->text(), "E108");
  EXPECT_EQ(Action("mnuFil(23)")->text(), "E127");
  EXPECT_EQ(Action("mnuSFil(0)")->text(), "E129");
  EXPECT_EQ(Action("mnuEff(9)")->text(), "E149");
  EXPECT_EQ(Action("mnuesci")->text(), "E35");
  EXPECT_EQ(Action("mnuimma")->text(), "E76");
  EXPECT_EQ(Find<QLabel>("Label10")->text(), "E76");
  EXPECT_EQ(Find<QLabel>("Label12")->text(), "E103");
  EXPECT_EQ(Find<QLabel>("Label5(3)")->text(), "E154");
  EXPECT_EQ(Find<QLabel>("Label5(4)")->text(), "E155");
  EXPECT_EQ(Find<QLabel>("Label7(1)")->text(), "E157 2");
  EXPECT_EQ(Find<QGroupBox>("Frame1")->title(), "E150");
  // The two captions composed from translated ones.
  EXPECT_EQ(Action("mnutex")->text(), "E37 Texture (256x256)");
  EXPECT_EQ(Action("mnusalvap")->text(), "E18 Pattern..");
}

TEST_F(WindowTest, ShippedEnglishKeepsTheDesignCaptions) {
  ShipAll();
  Start();
  for (const CatalogueEntry& e : Catalogue()) {
    if (e.IsSeparator()) continue;
    EXPECT_EQ(Action(QString::fromStdString(MenuEntryName(e.menu, e.index)))->text().toStdString(),
              e.caption);
  }
  EXPECT_EQ(Find<QMenu>("mnuColor")->title(), "Color.....");
  EXPECT_EQ(Find<QLabel>("Label1")->text(), "%...Working");
  EXPECT_EQ(Find<QLabel>("Label7(0)")->text(), "Color 1");
}

TEST_F(WindowTest, ShippedItalianProvesTheMechanism) {
  ShipAll();
  Write("sxconf.cff", "\"Pixmora\",\"1\",\"\",\"\",\"\",\"Italiano\",0\n");
  Start();
  EXPECT_EQ(Action("mnuCol(21)")->text(), "Scala di grigi");
  EXPECT_EQ(Action("mnuSFil(5)")->text(), QString::fromUtf8("Oscurit\u00e0 parziale"));
  EXPECT_EQ(Find<QMenu>("mnuFilters")->title(), "Filtri....");
  EXPECT_EQ(Find<QLabel>("Label5(4)")->text(), "Verde");
  EXPECT_EQ(Find<QLabel>("Label7(1)")->text(), "Colore 2");
  EXPECT_EQ(Action("mnutex")->text(), "Salva Texture (256x256)");
  EXPECT_EQ(Find<QLabel>("Label1")->text(), "%...Elaborazione");
}

}  // namespace pixmora::test
