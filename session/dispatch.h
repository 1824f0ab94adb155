// The five menu handlers: prepare the result surface, fill the planes from
// image A, run the catalogue's routine, publish the result.
#pragma once
#include <cstdint>

#include "session/catalogue/catalogue.h"
#include "session/publish_result.h"

namespace pixmora {

// The handler sequence shared by every operation menu.
void RunMenuCommand(Workspace& ws, Menu menu, int16_t index);
// The same sequence up to, not including, PublishResult: prepare Pic4, fill the
// planes from image A, run the entry's routine.
void RunMenuRoutine(Workspace& ws, Menu menu, int16_t index);

}  // namespace pixmora
