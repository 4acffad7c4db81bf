#pragma once
// SIGINT, SIGTERM, SIGHUP and SIGQUIT, caught for a program that ends its engine runs
// before it exits. The handler only writes the signal's number into a pipe;
// the program reads it where it may do anything (a thread, an event loop).

namespace loopbeam::nec {

// Catches the four, except one ignored on entry (nohup's SIGHUP stays
// ignored). Gives the pipe's reading end, or -1 when no pipe could be made
// (the signals then keep their defaults). Once a process.
int catchEndingSignals();

// The next signal caught, waiting for it; 0 when the pipe cannot be read.
int nextEndingSignal(int pipe);

// The status a shell gives a program ended by the signal.
constexpr int exitStatusAfter(int signal) { return 128 + signal; }

}  // namespace loopbeam::nec
