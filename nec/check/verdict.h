#pragma once
// Whether a checked design works, in one line a builder reads first, and the
// codes the JSON carries. A problem means it does not work: it fires
// backwards, no feed the program offers gives SWR below 2 at the locked
// frequency, or it gains less than a half-wave dipole in the same setting. A
// warning does not: no resonance inside the estimated range, or SWR 2 or more
// somewhere in it through the recommended feed. Each names the tuning goal
// that mends it, where one does.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "nec/check/check_result.h"
#include "nec/check/feed_advice.h"
#include "nec/model/quad_design.h"

namespace loopbeam::nec {

enum class Finding { FiresBackwards, NoFeedBelow2, WeakGain, NotResonantInRange, SwrAbove2InRange };

struct FindingRow {
    Finding key;
    std::string_view word;  // as the JSON names it
    bool problem;           // it does not work; a warning otherwise
    std::string_view mend;  // the tuning goal that mends it, or empty
};

// Tuning for resonance mends nothing in a design resonant at the locked frequency already.
inline constexpr std::string_view kResonanceGoal = "resonance";

inline constexpr std::array<FindingRow, 5> kFindings{{
    {Finding::FiresBackwards, "fires-backwards", true, "front-to-back"},
    {Finding::NoFeedBelow2, "no-feed-below-2", true, kResonanceGoal},
    {Finding::WeakGain, "weak-gain", true, ""},
    {Finding::NotResonantInRange, "not-resonant-in-range", false, kResonanceGoal},
    {Finding::SwrAbove2InRange, "swr-above-2-in-range", false, kResonanceGoal},
}};

struct Verdict {
    bool works = true;
    std::vector<Finding> problems, warnings;
    std::string line;  // "Works: ...", "Works, but ...", "Does not work: ..."
};

Verdict judge(const CheckResult& check, const FeedAdvice& feed, const QuadDesign& design);

}  // namespace loopbeam::nec
