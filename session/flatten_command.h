// Image > Flatten onto Colour 2: image A laid onto colour 2 into the result,
// opaque (see core/flatten.h), published like a menu command's result.
#pragma once

#include "session/workspace.h"

namespace pixmora {

// FlattenIntoResult, then PublishResult.
void FlattenImageA(Workspace& ws);
// The result is image A flattened onto colour 2 of the session's values.
void FlattenIntoResult(Workspace& ws);

}  // namespace pixmora
