// The five menu handlers: prepare the result surface, fill the planes from
// image A, run the catalogue's routine, publish the result.
#pragma once
#include <cstdint>

#include "session/catalogue/catalogue.h"
#include "session/make_result.h"
#include "session/publish_result.h"

namespace pixmora {

// The handler sequence shared by every operation menu. A command that cancel
// stops publishes nothing and leaves the session as it was (see MakeResult);
// answers whether it ran to its end.
bool RunMenuCommand(Workspace& ws, Menu menu, int16_t index, const CancelToken* cancel = nullptr);
// The same sequence up to, not including, PublishResult: prepare Pic4, fill the
// planes from image A, run the entry's routine; with a selection, the result
// keeps image A outside it (LimitToSelection).
bool RunMenuRoutine(Workspace& ws, Menu menu, int16_t index, const CancelToken* cancel = nullptr);

}  // namespace pixmora
