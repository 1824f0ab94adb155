// Picture files as bytes, for the tests that make damaged and hostile files:
// the varied test picture as a bitmap, FreeImage's own encoding of a bitmap,
// and little- and big-endian fields written in place or appended.
#pragma once
#include <FreeImage.h>

#include <cstdint>
#include <string>
#include <vector>

namespace pixmora::test {

using Bytes = std::vector<uint8_t>;

// The tests' varied picture as a 24-bit bitmap (the caller unloads it).
FIBITMAP* VariedBitmap(int width, int height);

// The bitmap encoded by FreeImage (empty when it cannot write it).
Bytes Encoded(FIBITMAP* bitmap, int format, int flags = 0);

// In place; a field past the end is cut short.
void Put16(Bytes& b, size_t at, uint16_t v);
void Put32(Bytes& b, size_t at, uint32_t v);
void Put32BigEndian(Bytes& b, size_t at, uint32_t v);

void Add16(Bytes& b, uint16_t v);
void Add32(Bytes& b, uint32_t v);
void Add16BigEndian(Bytes& b, uint16_t v);
void Add32BigEndian(Bytes& b, uint32_t v);

// Sets the header fields that claim a picture's size to w x h (the check
// values that cover them made right), in a file FreeImage wrote.
void ClaimSize(Bytes& b, int format, uint32_t w, uint32_t h);

void WriteFile(const std::string& path, const Bytes& b);

}  // namespace pixmora::test
