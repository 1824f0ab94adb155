// The work area Picture5: the four previews in a 2 x 2 grid that fills it
// (image A, image B / result, shape), their captions and the busy label; or,
// over all of it, one picture large.
#pragma once
#include "app/form1_controls.h"
#include "core/picture_surface.h"

namespace pixmora::app {

// The side of the previews' display surfaces (the boxes themselves grow).
inline constexpr int kPreviewSide = 256;

// The display surfaces of the previews; Image1's is the session's result preview.
struct PreviewSurfaces {
  PictureSurface& Image2;
  PictureSurface& Image3;
  PictureSurface& Image1;
  PictureSurface& Picture4;
};

WorkArea* BuildWorkArea(Form1Controls& c, const PreviewSurfaces& surfaces);

// Form_Resize's placement: the grid's cells share the work area, each
// caption above its preview, the busy label at the bottom, centred; the large
// view takes the grid's place.
void LayOutWorkArea(const Form1Controls& c);

}  // namespace pixmora::app
