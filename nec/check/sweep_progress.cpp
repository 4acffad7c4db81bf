#include "nec/check/sweep_progress.h"

#include <algorithm>

namespace loopbeam::nec {

namespace {

// Short of the end until the check has ended: a count of solves is only expected.
constexpr double kLastBeforeEnd = 0.95;

}  // namespace

SweepProgress::SweepProgress(std::function<void(double)> report, double expectedSolves)
    : report_(std::move(report)), expected_(std::max(1.0, expectedSolves)) {}

void SweepProgress::solved(double solves) {
    const double share = std::min(1.0, (solves - startSolves_) / expected_);
    const double fraction = startFraction_ + (kLastBeforeEnd - startFraction_) * share;
    if (report_ && fraction > reported_) report_(reported_ = fraction);
}

void SweepProgress::expect(double solves, double more) {
    startFraction_ = reported_;
    startSolves_ = solves;
    expected_ = std::max(1.0, more);
}

void SweepProgress::finished() {
    if (report_) report_(reported_ = 1.0);
}

}  // namespace loopbeam::nec
