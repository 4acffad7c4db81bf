#pragma once
// What a check costs: time and memory grow with the square and cube of the
// segment count (nec2c fills and factors a dense complex matrix per frequency).

#include <cstddef>

#include "nec/model/nec_model.h"

namespace loopbeam::nec {

// Above this a run takes about a second a frequency and more, so the window
// asks before it starts and the command line wants an explicit option.
inline constexpr int kConfirmAboveSegments = 1000;

bool needsConfirmation(const NecModel& model);

// One frequency on one core, measured with nec2c 1.3 on a 2-core machine
// (2,200 segments: 9 s in free space, 12 s over ground).
double secondsPerFrequency(int segments, bool overGround);

// One nec2c holds the matrix: 16 bytes a complex element (2,200 segments: 80 MB).
double megabytesPerRun(int segments);

// A run of some frequencies is given up after 30 s plus five times its
// estimate: room for a machine busy with other work, never an endless wait.
double timeoutSeconds(int segments, std::size_t frequencies, bool overGround);

}  // namespace loopbeam::nec
