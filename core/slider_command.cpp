#include "core/slider_command.h"

#include "core/dispatch.h"
#include "ops/mixing/rotate_image.h"

namespace pixmora {

void Slider1_Change(Workspace& ws, int16_t value) {
  const auto angle = static_cast<float>(value * (3.14159265359 / 4));
  ws.Pic4.Cls();
  RotateImage(ws.Pic1, ws.Pic4, angle);
  PublishResult(ws);
}

}  // namespace pixmora
