// How many pixels a picture file can hold in its bytes, by its format and
// compression: a header that claims more belongs to a damaged file, and
// believing it would make a decoder build and fill a picture that the file
// never held.
//
// Uncompressed and run-length data hold exactly what they cover; other
// compressions at most what their bytes can expand to, with headroom. Formats
// and compressions that pack a flat picture into a few bytes whatever its
// size (WebP, LZMA and others) hold anything.
#pragma once
#include <string>

#include "core/failure.h"
#include "imageio/claimed_size.h"

namespace pixmora {

// Fails unless the file can hold the picture it claims, naming the claimed
// size and the file's.
Status CheckHeld(const std::string& path, const Claim& claim);

}  // namespace pixmora
