// The program's own picture vocabulary as FreeImage's values, for the
// routines of this layer that call FreeImage.
#pragma once
#include <FreeImage.h>

#include "imageio/picture_format.h"
#include "imageio/resample.h"
#include "imageio/save_settings.h"

namespace pixmora {

FREE_IMAGE_FORMAT FreeImageFormat(PictureFormat format);
FREE_IMAGE_FILTER FreeImageFilter(ResampleFilter filter);
// FreeImage's save flags for the format; 0 where the settings do not concern it.
int FreeImageSaveFlags(PictureFormat format, const SaveSettings& settings);

}  // namespace pixmora
