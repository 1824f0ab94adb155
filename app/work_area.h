// The work area Picture5: the four 256 x 256 previews in a 2 x 2 grid around
// its centre (image A, image B / result, shape), their captions and the busy
// label.
#pragma once
#include "app/form1_controls.h"
#include "core/picture_surface.h"

namespace pixmora::app {

inline constexpr int kPreviewSide = 256;

// The display surfaces of the previews; Image1's is the session's result preview.
struct PreviewSurfaces {
  PictureSurface& Image2;
  PictureSurface& Image3;
  PictureSurface& Image1;
  PictureSurface& Picture4;
};

WorkArea* BuildWorkArea(Form1Controls& c, const PreviewSurfaces& surfaces);

// Form_Resize's placement of the previews around the centre of the work area.
void LayOutWorkArea(const Form1Controls& c);

}  // namespace pixmora::app
