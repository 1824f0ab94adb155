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

}  // namespace pixmora
