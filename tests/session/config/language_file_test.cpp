#include <gtest/gtest.h>

#include <set>

#include "session/captions/design_captions.h"
#include "session/captions/language_file.h"
#include "session/captions/window_captions.h"
#include "tests/session/config/table_captions.h"

namespace pixmora {

namespace {

// A language file whose entry n reads "E<n>".
std::string NumberedFile(int count) {
  std::string text = "header line\nVARY\n";
  for (int i = 0; i < count; ++i) text += "E" + std::to_string(i) + "\n";
  return text;
}

}  // namespace

TEST(LanguageFile, EveryRuleNamesADesignedControl) {
  for (const CaptionRule& r : CaptionRules())
    EXPECT_FALSE(DesignCaptionOf(r.control).empty()) << r.control;
  EXPECT_EQ(DesignCaptionOf("nothing"), "");
}

TEST(LanguageFile, LinesUpToTheFirstMarkerAreSkipped) {
  const auto entries = LanguageEntries("a\nVARIE\n*VARIE*\nfirst\nVARY\nthird");
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0], "first");
  EXPECT_EQ(entries[1], "VARY") << "a second marker is an ordinary entry";
  EXPECT_EQ(entries[2], "third");
  EXPECT_TRUE(LanguageEntries("no marker here\nat all\n").empty());
}

TEST(LanguageFile, LineEndsOfEveryKind) {
  const auto entries = LanguageEntries("x\r\nVARY\r\none\r\n\r\nthree\rfour\n");
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(entries[0], "one");
  EXPECT_EQ(entries[1], "");
  EXPECT_EQ(entries[2], "three");
  EXPECT_EQ(entries[3], "four");
}

TEST(LanguageFile, Latin1FilesAreReadAsLatin1) {
  const auto entries = LanguageEntries("VARY\nVerit\xe0\n");
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0], "Verit\xc3\xa0");
  EXPECT_EQ(LanguageEntries("VARY\nVerit\xc3\xa0\n")[0], "Verit\xc3\xa0");
}

TEST(LanguageFile, EntriesPastTheEndLeaveTheirCaptions) {
  test::TableCaptions t;
  ApplyLanguage(LanguageEntries(NumberedFile(100)), t);
  EXPECT_EQ(t.Caption("mnuCol(0)"), "E87");
  EXPECT_EQ(t.Caption("mnuCol(21)"), "Grayscale");
  EXPECT_EQ(t.Caption("Label1"), "%...Working");
  EXPECT_EQ(t.Caption("mnutex"), "E37 Texture (256x256)");
}

TEST(LanguageFile, EachControlTakesOneEntry) {
  std::set<std::string> controls;
  for (const CaptionRule& r : CaptionRules()) {
    EXPECT_LT(r.entry, kLanguageEntryCount);
    EXPECT_TRUE(controls.insert(r.control).second) << r.control << " is set twice";
  }
}

}  // namespace pixmora

namespace pixmora {

// The window's own captions: English is the key, '#' lines are comments, the
// data folder's lines win over the shipped ones and a missing one stays English.
TEST(WindowCaptions, TheDataFoldersLinesOverlayTheShippedOnes) {
  CaptionTranslations shipped = CaptionTranslations::FromText("# comment\nEdit\tModifica\r\nView\tVista\nbroken line\n");
  shipped.Overlay(CaptionTranslations::FromText("View\tVisualizza\n"));
  EXPECT_EQ(shipped.Of("Edit"), "Modifica");
  EXPECT_EQ(shipped.Of("View"), "Visualizza");
  EXPECT_EQ(shipped.Of("History"), "History");
  EXPECT_EQ(shipped.All().size(), 2u);
}

}  // namespace pixmora
