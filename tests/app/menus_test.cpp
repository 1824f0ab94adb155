#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QMap>
#include <QSignalSpy>
#include <QTest>
#include <functional>

#include "app/mnemonics.h"
#include "session/catalogue/catalogue.h"
#include "session/captions/control_names.h"
#include "session/captions/window_captions.h"
#include "tests/app/window_fixture.h"

namespace pixmora::test {

namespace {

QString Text(const QAction* a) { return app::WithoutMnemonic(a->menu() ? a->menu()->title() : a->text()); }

// A language file whose entry n reads "E<n>".
std::string NumberedLanguage() {
  std::string text = "a header line\nVARY\n";
  for (int i = 0; i < 226; ++i) text += "E" + std::to_string(i) + "\n";
  return text;
}

}  // namespace

// In English and in Italian, every menu of the bar and every entry of every
// menu has an Alt+letter no other in its menu shares; Alt+F and F10 open the
// menus from the keyboard, and Alt+letter, letter runs the one entry named.
TEST_F(WindowTest, EveryMenuHasItsOwnAltLettersInBothLanguages) {
  ShipAll();
  std::function<void(const QList<QAction*>&)> check = [&](const QList<QAction*>& actions) {
    QMap<int, QString> letters;
    for (const QAction* a : actions) {
      if (a->isSeparator()) continue;
      const QKeySequence mnemonic = QKeySequence::mnemonic(a->text());
      ASSERT_FALSE(mnemonic.isEmpty()) << a->text().toStdString();
      const int key = mnemonic[0].key();
      EXPECT_FALSE(letters.contains(key))
          << a->text().toStdString() << " shares its letter with " << letters[key].toStdString();
      letters[key] = a->text();
      if (a->menu()) check(a->menu()->actions());
    }
  };
  for (const char* language : {"English", "Italiano"}) {
    SCOPED_TRACE(language);
    Write("sxconf.cff", std::string("\"Pixmora\",\"1\",\"\",\"\",\"\",\"") + language + "\",0\n");
    StartScripted();
    check(window->menuBar()->actions());
    EXPECT_EQ(window->menuBar()->actions()[0]->text(), "&File.....");
    OpenImageA(WritePicture(Varied(16, 12), "a.bmp"));
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_F10);
    EXPECT_EQ(window->menuBar()->activeAction(), window->menuBar()->actions()[0]);
    QTest::keyClick(window->menuBar(), Qt::Key_Escape);
    // Freeze high once shared its letter with Fog: the letter only moved to Fog.
    QMenu* filters = Find<QMenu>("mnuFilters");
    QAction* freezeHigh = CommandAction("freeze-high");
    QSignalSpy ran(filters, &QMenu::triggered);
    QTest::keyClick(window.get(), QKeySequence::mnemonic(filters->title())[0].key(), Qt::AltModifier);
    ASSERT_TRUE(filters->isVisible());
    QTest::keyClick(filters, QKeySequence::mnemonic(freezeHigh->text())[0].key());
    ASSERT_EQ(ran.count(), 1);
    EXPECT_EQ(ran[0][0].value<QAction*>(), freezeHigh);
    Settle();
  }
}

// Each operation menu holds its catalogue rows in order, with their captions
// and separators where the rows have them.
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
}

// Menu entries take the entries after their menu's title, one for each entry
// that is not a separator.
TEST_F(WindowTest, ALanguageFileReplacesTheCaptions) {
  Write("sxconf.cff", "\"x\",\"x\",\"x\",\"x\",\"x\",\"Numbered\",0\n");
  Write("supporto/Numbered.tra", NumberedLanguage());
  Start();
  EXPECT_EQ(Find<QLabel>("Label1")->text(), "%...E225");
  EXPECT_EQ(window->Caption("mnuColor"), "E86.....");
  EXPECT_EQ(window->Caption("mnuEffects"), "E140....");
  EXPECT_EQ(window->Caption("mnufi"), "File.....") << "the File menu title is never translated";
  EXPECT_EQ(window->Caption("mnuapri"), "E18");
  for (const auto& [entry, caption] : {std::pair{"mnuCol(0)", "E87"}, {"mnuCol(2)", "E88"}, {"mnuCol(21)", "E102"},
                                       {"mnuMix(6)", "E108"}, {"mnuFil(23)", "E127"}, {"mnuSFil(0)", "E129"},
                                       {"mnuEff(9)", "E149"}, {"mnuesci", "E35"}, {"mnuimma", "E76"}})
    EXPECT_EQ(window->Caption(entry), caption) << entry;
  EXPECT_EQ(Find<QLabel>("Label10")->text(), "E76");
  EXPECT_EQ(Find<QLabel>("Label12")->text(), "E103");
  EXPECT_EQ(Find<QLabel>("Label5(3)")->text(), "E154");
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
  StartScripted();
  EXPECT_EQ(window->Caption("mnuCol(21)"), "Scala di grigi");
  EXPECT_EQ(window->Caption("mnuSFil(5)"), QString::fromUtf8("Oscurit\u00e0 parziale"));
  EXPECT_EQ(window->Caption("mnuFilters"), "Filtri....");
  EXPECT_EQ(Find<QLabel>("Label5(4)")->text(), "Verde");
  EXPECT_EQ(Find<QLabel>("Label7(1)")->text(), "Colore 2");
  EXPECT_EQ(window->Caption("mnutex"), "Salva Texture (256x256)");
  EXPECT_EQ(Find<QLabel>("Label1")->text(), "%...Elaborazione");
  // The window's own captions come from the second file, Italiano.captions.
  EXPECT_EQ(app::WithoutMnemonic(Find<QMenu>("mnuEdit")->title()), "Modifica");
  EXPECT_EQ(app::WithoutMnemonic(Action("mnuRepeat")->text()), "Ripeti l'ultimo comando");
  EXPECT_EQ(Find<QAbstractButton>("NoticesButton")->accessibleName(), "Avvisi");
  // History steps read as Italian sentences.
  Answer(WritePicture(Varied(8, 8), "logo.png"));
  Action("mnusalvap")->trigger();
  Settle();
  EXPECT_EQ(app::WithoutMnemonic(Action("mnuUndo")->text()), "Annulla Apri motivo logo.png");
  EXPECT_EQ(app::WithoutMnemonic(Find<QMenu>("mnuImage")->title()), "Immagine");
  EXPECT_EQ(app::WithoutMnemonic(Action("mnuFlatten")->text()), "Appiattisci sul colore 2");
  EXPECT_EQ(app::WithoutMnemonic(Action("mnuTurnLeft")->text()), QString::fromUtf8("Ruota di 90\u00B0 a sinistra"));
}

// The window's own captions, tool tips and names for screen readers each
// have their Italian line.
TEST_F(WindowTest, EveryOwnCaptionHasItsItalian) {
  ShipAll();
  Start();
  const CaptionTranslations italian = CaptionTranslations::Read(data + "supporto/Italiano.captions");
  int captions = 0;
  for (QObject* object : window->findChildren<QObject*>())
    for (const char* property : {"pixmoraCaption", "pixmoraToolTip", "pixmoraAccessibleName"}) {
      const QVariant english = object->property(property);
      if (!english.isValid()) continue;
      ++captions;
      EXPECT_TRUE(italian.All().count(english.toByteArray().toStdString())) << english.toByteArray().constData();
    }
  EXPECT_GT(captions, 30);
}

// The Image menu stands after the five design menus, before View.
TEST_F(WindowTest, TheImageMenuStandsBeforeView) {
  Start();
  const QList<QAction*> menus = window->menuBar()->actions();
  const auto at = [&](const char* name) { return menus.indexOf(Find<QMenu>(name)->menuAction()); };
  EXPECT_EQ(at("mnuImage"), at("mnuEffects") + 1);
  EXPECT_EQ(at("mnuView"), at("mnuImage") + 1);
}

}  // namespace pixmora::test
