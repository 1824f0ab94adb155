#include "session/slider_command.h"

#include "session/dispatch.h"
#include "ops/mixing/rotate_image.h"
#include "session/selection_limit.h"

namespace pixmora {

bool RotateIntoResult(Workspace& ws, int16_t value, const CancelToken* cancel) {
  return MakeResult(ws, cancel, [&ws, value](const CallContext& call) {
    const auto angle = static_cast<float>(value * (3.14159265359 / 4));
    // The rotation fills the result surface as it stands; before the first
    // command (or after the result was handed on) it may not have image A's size.
    if (ws.Pic4.Width() != ws.Pic1.Width() || ws.Pic4.Height() != ws.Pic1.Height())
      ws.Pic4.SetSize(ws.Pic1.Width(), ws.Pic1.Height());
    ws.Pic4.Cls();
    RotateImage(call, ws.Pic1, ws.Pic4, angle);
    LimitToSelection(ws, call);
  });
}

bool Slider1_Change(Workspace& ws, int16_t value, const CancelToken* cancel) {
  if (!RotateIntoResult(ws, value, cancel)) return false;
  PublishResult(ws);
  return true;
}

}  // namespace pixmora
