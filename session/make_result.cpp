#include "session/make_result.h"

namespace pixmora {

bool MakeResult(Workspace& ws, const CancelToken* cancel,
                const std::function<void(const CallContext&)>& make) {
  const CallContext call = ws.StartCall(cancel);
  // Copies of the surfaces share their pictures: keeping them costs nothing.
  PictureSurface result = ws.Pic4, imageB = ws.Pic2;
  try {
    make(call);
    return true;
  } catch (const CallCancelled&) {
    ws.Pic4 = std::move(result);
    ws.Pic2 = std::move(imageB);
    ws.m.random = call.randomStart;
    return false;
  }
}

}  // namespace pixmora
