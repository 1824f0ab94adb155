#include "session/flatten_command.h"

#include "core/flatten.h"
#include "session/publish_result.h"

namespace pixmora {

void FlattenIntoResult(Workspace& ws) {
  const int16_t* k = ws.values.colour2;
  ws.Pic4.SetPicture(Flattened(ws.Pic1.Image(), PackRGB(k[0], k[1], k[2])));
}

void FlattenImageA(Workspace& ws) {
  FlattenIntoResult(ws);
  PublishResult(ws);
}

}  // namespace pixmora
