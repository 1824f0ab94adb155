#include "core/background_thread.h"

#include <pthread.h>
#include <sched.h>

namespace pixmora {

void UseIdleTimeOnly() {
  // A thread of SCHED_IDLE runs only on a core no ordinary thread wants; a
  // system that refuses leaves it as it was, which is only slower.
  sched_param none{};
  pthread_setschedparam(pthread_self(), SCHED_IDLE, &none);
}

}  // namespace pixmora
