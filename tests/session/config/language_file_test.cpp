#include <gtest/gtest.h>

#include <set>

#include "session/captions/control_names.h"
#include "session/captions/design_captions.h"
#include "session/captions/language_file.h"
#include "tests/session/config/table_captions.h"

namespace pixmora {

namespace {

// A language file whose entry n reads "E<n>".
std::string NumberedFile(int count, const std::string& marker = "VARY") {
  std::string text = "header line\n" + marker + "\n";
  for (int i = 0; i < count; ++i) text += "E" + std::to_string(i) + "\n";
  return text;
}

int EntryOf(const std::string& control) {
  for (const CaptionRule& r : CaptionRules())
    if (r.control == control) return r.entry;
  return -1;
}

}  // namespace

TEST(LanguageFile, MenuEntriesAreCountedOverNonSeparators) {
  EXPECT_EQ(EntryOf("mnuColor"), 86);
  EXPECT_EQ(EntryOf("mnuCol(0)"), 87);
  EXPECT_EQ(EntryOf("mnuCol(2)"), 88);
  EXPECT_EQ(EntryOf("mnuCol(21)"), 102);
  EXPECT_EQ(EntryOf("mnuCol(1)"), -1) << "a separator takes no entry";
  EXPECT_EQ(EntryOf("mnuMix(0)"), 104);
  EXPECT_EQ(EntryOf("mnuMix(6)"), 108);
  EXPECT_EQ(EntryOf("mnuFil(0)"), 110);
  EXPECT_EQ(EntryOf("mnuFil(23)"), 127);
  EXPECT_EQ(EntryOf("mnuSFil(0)"), 129);
  EXPECT_EQ(EntryOf("mnuSFil(10)"), 139);
  EXPECT_EQ(EntryOf("mnuEff(0)"), 141);
  EXPECT_EQ(EntryOf("mnuEff(9)"), 149);
  EXPECT_EQ(EntryOf("Label1"), 225);
}

TEST(LanguageFile, EveryRuleNamesADesignedControl) {
  for (const CaptionRule& r : CaptionRules())
    EXPECT_FALSE(DesignCaptionOf(r.control).empty()) << r.control;
  EXPECT_EQ(DesignCaptionOf("mnuCol(21)"), "Grayscale");
  EXPECT_EQ(DesignCaptionOf("mnuSpecFilters"), "Filters Special....");
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

TEST(LanguageFile, EntriesSetTheirCaptions) {
  test::TableCaptions t;
  ApplyLanguage(LanguageEntries(NumberedFile(226)), t);
  EXPECT_EQ(t.Caption("Label1"), "%...E225");
  EXPECT_EQ(t.Caption("mnuesci"), "E35");
  EXPECT_EQ(t.Caption("mnuimma"), "E76");
  EXPECT_EQ(t.Caption("Label10"), "E76");
  EXPECT_EQ(t.Caption("Label12"), "E103");
  EXPECT_EQ(t.Caption("mnuColor"), "E86.....");
  EXPECT_EQ(t.Caption("mnuEffects"), "E140....");
  EXPECT_EQ(t.Caption("mnuCol(21)"), "E102");
  EXPECT_EQ(t.Caption("Label5(3)"), "E154");
  EXPECT_EQ(t.Caption("Label5(5)"), "E156");
  EXPECT_EQ(t.Caption("Label7(0)"), "E157 1");
  EXPECT_EQ(t.Caption("Label7(1)"), "E157 2");
  EXPECT_EQ(t.Caption("Frame1"), "E150");
  EXPECT_EQ(t.Caption("mnufi"), "File.....") << "the File menu title is never translated";
}

TEST(LanguageFile, TwoCaptionsAreComposedFromTranslatedOnes) {
  test::TableCaptions t;
  ApplyLanguage(LanguageEntries(NumberedFile(226)), t);
  EXPECT_EQ(t.Caption("mnutex"), "E37 Texture (256x256)");
  EXPECT_EQ(t.Caption("mnusalvap"), "E18 Pattern..");
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
