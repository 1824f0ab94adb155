// The working end of a folder run. One process runs picture after picture of
// the run, so that the memory the first one mapped (and the system zeroed)
// serves the next, and the program starts once per core, not once per
// picture. A picture that crashes its worker fails alone: the run starts
// another worker for the pictures left.
#pragma once
#include <string>
#include <vector>

#include "core/failure.h"

namespace pixmora::cli {

// The worker's first argument, before the threads each command may use and
// the steps and options every picture gets; not a command users type.
inline constexpr char kWorkerArgument[] = "--folder-run-worker";
// Ends each picture's messages on standard error, followed by its exit
// status and a newline.
inline constexpr char kEndOfPicture = '\x1e';

// Says the failure on standard error in the batch tool's one line and
// answers the exit status it calls for: 2 for a usage error, else 1.
int ExitWith(const Failure& failure);

// Runs one picture as `apply INPUT OUTPUT STEPS...` does and answers its exit
// status, its failure said on standard error. Memory running out in a command
// is a failure too. threads: as ApplyRequest's.
int ApplyOnePicture(const std::vector<std::string>& args, int threads = 0);

// Reads "INPUT\0OUTPUT\0" jobs from standard input until it ends and runs
// each with the arguments after kWorkerArgument (the threads a command may
// use, then the steps and options); answers 0.
int RunWorker(const std::vector<std::string>& args);

}  // namespace pixmora::cli
