#pragma once
// The progress of a check whose count of solves is known only at its end:
// the solves so far against the count expected, from where the bar stood
// when that count was last set, and never backwards.

#include <functional>

namespace loopbeam::nec {

class SweepProgress {
public:
    SweepProgress(std::function<void(double fraction)> report, double expectedSolves);

    // Solves so far, a running batch's share included.
    void solved(double solves);
    // From `solves` on, `more` solves are expected to end the check.
    void expect(double solves, double more);
    void finished();

private:
    std::function<void(double)> report_;
    double reported_ = 0;
    double startFraction_ = 0, startSolves_ = 0, expected_;
};

}  // namespace loopbeam::nec
