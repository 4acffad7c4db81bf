#include "nec/model/run_cost.h"

namespace loopbeam::nec {

namespace {

constexpr double kMeasuredSegments = 2200;
constexpr double kFillSeconds = 0.9;        // at kMeasuredSegments, grows with the square
constexpr double kGroundFillSeconds = 3.7;  // the Sommerfeld ground's field integrals
constexpr double kFactorSeconds = 7.6;      // grows with the cube
constexpr double kStartSeconds = 0.05;
constexpr double kTimeoutBaseSeconds = 30;
constexpr double kTimeoutMargin = 5;

}  // namespace

bool needsConfirmation(const NecModel& model) { return model.totalSegments() > kConfirmAboveSegments; }

double secondsPerFrequency(int segments, bool overGround) {
    const double s = segments / kMeasuredSegments;
    return kStartSeconds + (overGround ? kGroundFillSeconds : kFillSeconds) * s * s + kFactorSeconds * s * s * s;
}

double megabytesPerRun(int segments) { return 16.0 * segments * segments / 1e6 + 2; }

double timeoutSeconds(int segments, std::size_t frequencies, bool overGround) {
    return kTimeoutBaseSeconds +
           kTimeoutMargin * static_cast<double>(frequencies) * secondsPerFrequency(segments, overGround);
}

}  // namespace loopbeam::nec
