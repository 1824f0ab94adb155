// Threads that do what nobody waits for (files kept for later, memory made
// ready for the next command) give way to the others: on a machine with two
// cores they would otherwise slow the command and the display that the user
// is waiting for.
#pragma once
#include <chrono>

namespace pixmora {

// Lowers the calling thread's priority as far as the system lets a program
// lower it and still get it back never: the lowest "nice" value of ordinary
// threads, which still gives it a share of a busy machine (unlike the idle
// class, which could keep a file from being written for as long as the
// machine stays busy, and the program from ending).
void LowerThreadPriority();

// Work the user waits for (a command, the memory made ready for the next
// one) marks itself while it runs, from any thread; marks nest.
class ForegroundWork {
 public:
  ForegroundWork();
  ~ForegroundWork();
  ForegroundWork(const ForegroundWork&) = delete;
  ForegroundWork& operator=(const ForegroundWork&) = delete;
};

// Lets such work end before a background thread goes on with a large write:
// the files' memory and the system's writing of them take the memory
// bandwidth and the second core the command needs, which a lower priority
// does not give back. Waits at most `longest`, so that a file is written
// even while the user works without a pause.
void WaitForForegroundWork(std::chrono::milliseconds longest);

}  // namespace pixmora
