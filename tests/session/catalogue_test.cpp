#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string_view>

#include "core/paths_and_text.h"
#include "session/catalogue/catalogue.h"

namespace pixmora {

TEST(Catalogue, RowsStandAtTheirIndices) {
  for (Menu menu : kMenus) {
    const auto rows = MenuEntries(menu);
    for (size_t i = 0; i < rows.size(); ++i) {
      EXPECT_EQ(rows[i].index, static_cast<int>(i)) << MenuKey(menu);
      EXPECT_EQ(rows[i].menu, menu);
    }
  }
}

TEST(Catalogue, CaptionsAreUniqueAndFindable) {
  std::set<std::string_view> seen;
  for (const auto& e : Catalogue()) {
    if (!e.IsSeparator()) {
      EXPECT_TRUE(seen.insert(e.caption).second) << e.caption;
    }
  }
  EXPECT_STREQ(FindEntry(Menu::Color, 21)->caption, "Grayscale");
  EXPECT_STREQ(FindEntry(Menu::Effects, 9)->caption, "Circles");
  EXPECT_EQ(FindEntry(Menu::Effects, 10), nullptr);
  Menu m;
  EXPECT_TRUE(MenuFromKey("special", m));
  EXPECT_EQ(m, Menu::Special);
  EXPECT_FALSE(MenuFromKey("colour", m));
}

// Keys name commands in recipes kept for years: each is lower-case words
// joined by hyphens, names one command, and is no other command's caption in
// any letter case (the batch tool takes both, so they must never collide).
TEST(Catalogue, KeysAreUniqueWordsThatNoOtherCaptionSpells) {
  std::set<std::string_view> keys;
  for (const auto& e : Catalogue()) {
    const std::string key = e.key;
    if (e.IsSeparator()) {
      EXPECT_TRUE(key.empty());
      continue;
    }
    EXPECT_TRUE(keys.insert(e.key).second) << key;
    EXPECT_EQ(FindByKey(key), &e);
    ASSERT_FALSE(key.empty()) << e.caption;
    EXPECT_TRUE(key.front() != '-' && key.back() != '-' && key.find("--") == std::string::npos) << key;
    for (char c : key) EXPECT_TRUE(std::islower(c) || std::isdigit(c) || c == '-') << key;
    for (const auto& other : Catalogue()) {
      if (&other == &e) continue;
      EXPECT_NE(Lower(other.caption), key) << other.caption;
    }
  }
  EXPECT_EQ(keys.size(), 59u);
  EXPECT_EQ(FindByKey(""), nullptr);
}

}  // namespace pixmora
