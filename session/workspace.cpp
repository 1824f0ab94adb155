#include "session/workspace.h"

#include "imageio/picture_files.h"

namespace pixmora {

Workspace::Workspace()
    : Pic3(506, 506), PatPic(171, 128), Image1(256, 256), platformLoader(LoadPictureFile) {
  SetHiddenBackColour(kDefaultBackColour);
  Image1.BackColor = 0xFFFFFF;
  Image1.Cls();
}

PictureSurface& Workspace::Surface(Slot slot) {
  PictureSurface* const surfaces[] = {&Pic1, &Pic2, &PatPic, &Pic3, &Pic4, &imma};
  return *surfaces[static_cast<size_t>(slot)];
}

const PictureSurface& Workspace::Surface(Slot slot) const {
  return const_cast<Workspace&>(*this).Surface(slot);
}

const char* SlotKey(Slot slot) {
  static const char* const keys[] = {"image-a", "image-b", "pattern", "shape", "result", "snapshot"};
  return keys[static_cast<size_t>(slot)];
}

const char* SlotName(Slot slot) {
  static const char* const names[] = {"image A", "image B", "pattern", "shape", "result", "snapshot"};
  return names[static_cast<size_t>(slot)];
}

void Workspace::SetHiddenBackColour(ColorRef colour) {
  for (Slot slot : kSlots) {
    PictureSurface& s = Surface(slot);
    s.BackColor = colour;
    if (!s.GetPicture()) s.Cls();
  }
}

}  // namespace pixmora
