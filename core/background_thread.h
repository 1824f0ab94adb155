// Threads that do what nobody waits for (files kept for later, memory made
// ready for the next command) give way to the others: on a machine with two
// cores they would otherwise slow the command and the display that the user
// is waiting for.
#pragma once

namespace pixmora {

// Lowers the calling thread's priority as far as the system lets a program
// lower it and still get it back never: the lowest "nice" value of ordinary
// threads, which still gives it a share of a busy machine (unlike the idle
// class, which could keep a file from being written for as long as the
// machine stays busy, and the program from ending).
void LowerThreadPriority();

}  // namespace pixmora
