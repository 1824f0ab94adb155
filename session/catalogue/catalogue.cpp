#include "session/catalogue/catalogue.h"

#include <vector>

namespace pixmora {

std::span<const CatalogueEntry> MenuEntries(Menu menu) {
  switch (menu) {
    case Menu::Color: return ColorMenuRows();
    case Menu::Mix: return MixMenuRows();
    case Menu::Filters: return FiltersMenuRows();
    case Menu::Special: return SpecialMenuRows();
    case Menu::Effects: return EffectsMenuRows();
  }
  return {};
}

std::span<const CatalogueEntry> Catalogue() {
  static const std::vector<CatalogueEntry> all = [] {
    std::vector<CatalogueEntry> rows;
    for (Menu menu : kMenus) {
      const auto part = MenuEntries(menu);
      rows.insert(rows.end(), part.begin(), part.end());
    }
    return rows;
  }();
  return all;
}

const CatalogueEntry* FindEntry(Menu menu, int index) {
  const auto rows = MenuEntries(menu);
  if (index < 0 || index >= static_cast<int>(rows.size())) return nullptr;
  return &rows[index];
}

const CatalogueEntry* FindByKey(const std::string& key) {
  if (key.empty()) return nullptr;
  for (const CatalogueEntry& e : Catalogue())
    if (key == e.key) return &e;
  return nullptr;
}

const char* MenuKey(Menu menu) {
  static const char* const keys[] = {"color", "mix", "filters", "special", "effects"};
  return keys[static_cast<int>(menu)];
}

const char* MenuTitle(Menu menu) {
  static const char* const titles[] = {"Color.....", "Mix Image....", "Filters....",
                                       "Filters Special....", "Effects"};
  return titles[static_cast<int>(menu)];
}

bool MenuFromKey(const std::string& key, Menu& menu) {
  for (Menu m : kMenus)
    if (key == MenuKey(m)) {
      menu = m;
      return true;
    }
  return false;
}

}  // namespace pixmora
