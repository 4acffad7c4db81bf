#pragma once
// An analyser's file read from disk: Touchstone or CSV, never more than
// kMaxMeasurementBytes, and the part of it that lies in the design's sweep.

#include <string>

#include "nec/measured/measured_sweep.h"
#include "nec/outcome.h"

namespace loopbeam::nec {

// Touchstone or CSV by the file's name, else by its first line; each
// refusal begins with the file's name.
Outcome<MeasuredSweep> readMeasurementFile(const std::string& path);

// The points from lowMHz to highMHz; refuses when none lies there.
Outcome<MeasuredSweep> pointsWithin(const MeasuredSweep& sweep, double lowMHz, double highMHz);

}  // namespace loopbeam::nec
