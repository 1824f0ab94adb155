// The rotation slider's change handler: image A turned by value x 45 degrees
// into the result, published like a menu command's result.
#pragma once
#include <cstdint>

#include "core/workspace.h"

namespace pixmora {

// Clears Pic4 and rotates image A into it (the planes are not touched), then
// PublishResult. Pic4 keeps its size: the caller gives it image A's.
void Slider1_Change(Workspace& ws, int16_t value);

}  // namespace pixmora
