// The operation catalogue: every entry of the five operation menus, in menu
// order, with its key, its caption and the routine call it stands for. The
// window's menus, the batch tool's list, the language file's caption order,
// recipes and the dispatch all read this one table.
//
// Keys are permanent: recipes users keep for years name commands by them. A
// key is never renamed or reused, and a new command gets a new key and is
// appended to the end of its menu, so MENU:INDEX keeps its meaning too.
#pragma once
#include <cstdint>
#include <span>
#include <string>

#include "core/pixel_map.h"
#include "session/catalogue/command_inputs.h"
#include "session/workspace.h"

namespace pixmora {

enum class Menu { Color, Mix, Filters, Special, Effects };
inline constexpr Menu kMenus[] = {Menu::Color, Menu::Mix, Menu::Filters, Menu::Special,
                                  Menu::Effects};

// What a handler hands to a routine: the session, copies of the control
// values read at the moment the command was chosen, and the command's context.
struct CommandContext {
  Workspace& ws;
  ControlValues values;
  const CallContext& call;
};

using Runner = void (*)(CommandContext&);
// The routine as a pixel map (core/pixel_map.h) at those control values.
using MapMaker = PixelMap (*)(const ControlValues&);

struct CatalogueEntry {
  Menu menu;
  int16_t index;        // 0-based, separators counted
  const char* key;      // lower-case words joined by hyphens ("image-negative"); "" for a separator
  const char* caption;  // the design caption; "-" for a separator
  Runner run;           // null for a separator
  Inputs reads = 0;     // what the routine call reads besides image A
  // For a routine whose every pixel depends on that pixel alone: the same
  // result a band of rows at a time, for passes that never hold the picture.
  MapMaker map = nullptr;
  bool IsSeparator() const { return caption[0] == '-' && caption[1] == '\0'; }
};

// Every row of the five menus, menu by menu.
std::span<const CatalogueEntry> Catalogue();
std::span<const CatalogueEntry> MenuEntries(Menu menu);
// The row at that index, or null (past the menu's end).
const CatalogueEntry* FindEntry(Menu menu, int index);
// The command of that key, or null.
const CatalogueEntry* FindByKey(const std::string& key);

const char* MenuKey(Menu menu);    // "color", "mix", "filters", "special", "effects"
const char* MenuTitle(Menu menu);  // the menu bar's design caption
bool MenuFromKey(const std::string& key, Menu& menu);

// The runner of "Circles", which has no routine: the handler publishes the
// cleared result, opaque.
void BlankResult(CommandContext&);

// The rows of each menu, defined beside the routines they call.
std::span<const CatalogueEntry> ColorMenuRows();
std::span<const CatalogueEntry> MixMenuRows();
std::span<const CatalogueEntry> FiltersMenuRows();
std::span<const CatalogueEntry> SpecialMenuRows();
std::span<const CatalogueEntry> EffectsMenuRows();

}  // namespace pixmora
