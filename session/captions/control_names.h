// The names of the main window's controls that more than one part of the
// program refers to: indexed controls ("HS1(4)") and the operation menus.
#pragma once
#include <string>

#include "session/catalogue/catalogue.h"

namespace pixmora {

// A control of an indexed group: "HS1(4)", "mnuCol(21)".
inline std::string IndexedName(const std::string& group, int index) {
  return group + "(" + std::to_string(index) + ")";
}

// The entries of an operation menu form the group "mnuCol", "mnuMix", ...
inline const char* MenuGroupName(Menu menu) {
  static const char* const names[] = {"mnuCol", "mnuMix", "mnuFil", "mnuSFil", "mnuEff"};
  return names[static_cast<int>(menu)];
}

// The menu bar's title of an operation menu: "mnuColor", "mnuMixing", ...
inline const char* MenuBarName(Menu menu) {
  static const char* const names[] = {"mnuColor", "mnuMixing", "mnuFilters", "mnuSpecFilters",
                                      "mnuEffects"};
  return names[static_cast<int>(menu)];
}

inline std::string MenuEntryName(Menu menu, int index) {
  return IndexedName(MenuGroupName(menu), index);
}

}  // namespace pixmora
