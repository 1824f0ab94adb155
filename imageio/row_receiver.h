// RowReceiver: where a pass that never holds the picture takes its rows.
#pragma once
#include <cstdint>

namespace pixmora {

// Colour rows as the decoder sends them (a colour JPEG's), for a pass that
// never holds the picture: Start once with the picture's size, then each
// band top down, rows of red, green, blue and a spare byte the receiver may
// change. Either answers false to stop the decode, which then fails.
class RowReceiver {
 public:
  virtual ~RowReceiver() = default;
  virtual bool Start(int width, int height) = 0;
  virtual bool Band(uint32_t* const* rows, int count) = 0;
};

}  // namespace pixmora
