#include "session/workspace.h"

#include "imageio/picture_files.h"

namespace pixmora {

Workspace::Workspace()
    : Pic3(506, 506), PatPic(171, 128), Image1(256, 256), platformLoader(LoadPictureFile) {
  SetHiddenBackColour(kDefaultBackColour);
  Image1.BackColor = 0xFFFFFF;
  Image1.Cls();
}

void Workspace::SetHiddenBackColour(ColorRef colour) {
  for (PictureSurface* s : {&Pic1, &Pic2, &Pic3, &Pic4, &PatPic, &imma}) {
    s->BackColor = colour;
    if (!s->GetPicture()) s->Cls();
  }
}

}  // namespace pixmora
