// The formats the program writes pictures in.
#pragma once

namespace pixmora {

enum class PictureFormat { Bmp, Jpeg, Png, Tiff };

}  // namespace pixmora
