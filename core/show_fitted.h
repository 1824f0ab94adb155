// ShowFitted: loads a picture file into a hidden full-size surface and shows it
// scaled to fit, centred, in a visible one; "No Preview Available" when it can't.
#pragma once
#include <functional>
#include <string>

#include "core/picture_surface.h"

namespace pixmora {

// Reads a picture file; answers the empty picture when it cannot.
using PictureLoader = std::function<Picture(const std::string& path)>;

inline constexpr const char* kNoPreview = "No Preview Available";

void ShowFitted(const std::string& path, PictureSurface& loader, PictureSurface& display,
                const PictureLoader& load);

// ShowFitted of a picture already read (null or empty when the read failed).
void ShowFittedPicture(const Picture& picture, PictureSurface& loader, PictureSurface& display);

// Steps of ShowFitted after the load: paints picture into display, fitted and centred.
void PaintFitted(const Picture& picture, PictureSurface& display);

}  // namespace pixmora
