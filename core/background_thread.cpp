#include "core/background_thread.h"

#include <sys/resource.h>
#include <unistd.h>

namespace pixmora {

void LowerThreadPriority() {
  // On Linux a thread has a nice value of its own; a system that refuses
  // leaves it as it was, which is only slower.
  setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 19);
}

}  // namespace pixmora
