// Threads that do what nobody waits for (files kept for later, memory made
// ready for the next command) take the processor only when nothing else
// wants it: on a machine with two cores they would otherwise slow the
// command and the display that the user is waiting for.
#pragma once

namespace pixmora {

// Puts the calling thread below every ordinary one (where the system allows it).
void UseIdleTimeOnly();

}  // namespace pixmora
