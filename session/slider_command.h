// The rotation slider's change handler: image A turned by value x 45 degrees
// into the result, published like a menu command's result.
#pragma once
#include <cstdint>

#include "session/workspace.h"

namespace pixmora {

// The slider runs from -8 to 8: every eighth of a turn either way.
inline constexpr int kSliderSteps = 8;

// RotateIntoResult, then PublishResult; answers whether the turn ran to its
// end (cancel stopped none).
bool Slider1_Change(Workspace& ws, int16_t value, const CancelToken* cancel = nullptr);
// Clears Pic4, giving it image A's size, and rotates image A into it (the
// planes are not touched); a selection applies as to a menu command's
// result. A turn that cancel stops leaves the session as it was (see
// MakeResult) and answers false.
bool RotateIntoResult(Workspace& ws, int16_t value, const CancelToken* cancel = nullptr);

}  // namespace pixmora
