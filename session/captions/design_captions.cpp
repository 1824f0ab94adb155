#include "session/captions/design_captions.h"

#include "session/captions/control_names.h"

namespace pixmora {

namespace {

constexpr DesignCaption kCaptions[] = {
    {"mnufi", "File....."},
    {"mnuapri", "Open"},
    {"mnuimma", "Image (a)"},
    {"mnuimmb", "Image (b)"},
    {"mnusalvap", "Open Pattern"},
    {"mnusalvax", "Save"},
    {"mnusalva", "Save file"},
    {"mnusalvaa", "Load image (A)"},
    {"mnusalvab", "Load image (B)"},
    {"mnutex", "Save Texture (256x256)"},
    {"mnuesci", "Exit"},
    {"Frame1", "Settings"},
    {"Label7(0)", "Color 1"},
    {"Label7(1)", "Color 2"},
    {"Label5(0)", "Red"},
    {"Label5(1)", "Green"},
    {"Label5(2)", "Blue"},
    {"Label5(3)", "Red"},
    {"Label5(4)", "Green"},
    {"Label5(5)", "Blue"},
    {"Label2", "Transparency"},
    {"Label8", "Scale"},
    {"Label13", "Rotate"},
    {"patte", "Pattern..."},
    {"Label10", "Image (A)"},
    {"Label11", "Image (B)"},
    {"Label12", "Processed Image"},
    {"Label14", "Shape"},
    {"Label1", "%...Working"},
};

}  // namespace

std::span<const DesignCaption> WindowDesignCaptions() { return kCaptions; }

std::string DesignCaptionOf(const std::string& control) {
  for (const DesignCaption& c : kCaptions)
    if (control == c.control) return c.caption;
  for (Menu menu : kMenus) {
    if (control == MenuBarName(menu)) return MenuTitle(menu);
    for (const CatalogueEntry& e : MenuEntries(menu))
      if (control == MenuEntryName(menu, e.index)) return e.caption;
  }
  return {};
}

}  // namespace pixmora
