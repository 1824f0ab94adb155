// FreeImage reads BMP files with the 40-byte info header only. Files written
// with the newer 52-, 56-, 108- and 124-byte headers (what most editors write
// today) carry the same pixels: this presents them in the 40-byte form.
#pragma once
#include <cstdint>
#include <vector>

namespace pixmora {

// The same BMP with a 40-byte info header (and its colour masks after it when
// the pixels are stored as bit fields), or an empty vector when the file needs
// no change or is not such a BMP.
std::vector<uint8_t> WithClassicBmpHeader(const std::vector<uint8_t>& file);

}  // namespace pixmora
