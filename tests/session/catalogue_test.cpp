#include <gtest/gtest.h>

#include <set>
#include <string_view>

#include "session/catalogue/catalogue.h"

namespace pixmora {

TEST(Catalogue, RowsStandAtTheirIndices) {
  for (Menu menu : kMenus) {
    const auto rows = MenuEntries(menu);
    for (size_t i = 0; i < rows.size(); ++i) {
      EXPECT_EQ(rows[i].index, static_cast<int>(i)) << MenuKey(menu);
      EXPECT_EQ(rows[i].menu, menu);
      EXPECT_EQ(rows[i].IsSeparator(), rows[i].run == nullptr && rows[i].IsSeparator());
    }
  }
}

TEST(Catalogue, MenuSizesAndSeparators) {
  auto separators = [](Menu m) {
    std::set<int> s;
    for (const auto& e : MenuEntries(m))
      if (e.IsSeparator()) s.insert(e.index);
    return s;
  };
  EXPECT_EQ(MenuEntries(Menu::Color).size(), 22u);
  EXPECT_EQ(separators(Menu::Color), (std::set<int>{1, 4, 7, 11, 15, 20}));
  EXPECT_EQ(MenuEntries(Menu::Mix).size(), 7u);
  EXPECT_EQ(separators(Menu::Mix), (std::set<int>{2, 5}));
  EXPECT_EQ(MenuEntries(Menu::Filters).size(), 24u);
  EXPECT_EQ(separators(Menu::Filters), (std::set<int>{4, 7, 9, 11, 17, 20}));
  EXPECT_EQ(MenuEntries(Menu::Special).size(), 11u);
  EXPECT_TRUE(separators(Menu::Special).empty());
  EXPECT_EQ(MenuEntries(Menu::Effects).size(), 10u);
  EXPECT_EQ(separators(Menu::Effects), (std::set<int>{4}));
  EXPECT_EQ(Catalogue().size(), 74u);
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

}  // namespace pixmora
