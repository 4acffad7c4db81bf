#include "nec/check/verdict.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "nec/choice_table.h"
#include "nec/printf_text.h"

namespace loopbeam::nec {
namespace {

constexpr double kSwrLimit = 2;

bool resonantIn(const CheckSummary& summary, double low, double high) {
    return std::any_of(summary.resonancesMHz.begin(), summary.resonancesMHz.end(),
                       [&](double f) { return f >= low && f <= high; });
}

bool swrBelow2Over(const FeedAdvice& feed, double low, double high) {
    return std::any_of(feed.spansBelow2.begin(), feed.spansBelow2.end(),
                       [&](const Span& s) { return s.lowMHz <= low && s.highMHz >= high; });
}

// Resonant at the locked frequency already: tuning for resonance would change nothing.
bool resonantAt(const CheckSummary& summary, double lockedMHz) {
    constexpr double kWithin = 1e-3;  // of the frequency: as close as the tuning brings it
    return !summary.resonancesMHz.empty() && std::abs(summary.resonancesMHz.front() - lockedMHz) <= kWithin * lockedMHz;
}

std::string withMend(Finding finding, std::string what, bool resonant) {
    const std::string_view mend = rowOf(kFindings, finding).mend;
    if (mend.empty() || (resonant && mend == kResonanceGoal)) return what;
    return what + ": tune for " + std::string(mend);
}

}  // namespace

Verdict judge(const CheckResult& check, const FeedAdvice& feed, const QuadDesign& design) {
    const CheckSummary& s = check.summary;
    const double locked = design.lockedMHz;
    const double low = design.estimatedLowMHz, high = design.estimatedHighMHz;
    const std::size_t best =
        static_cast<std::size_t>(std::min_element(feed.swr.begin(), feed.swr.end()) - feed.swr.begin());
    const std::size_t recommended = feedIndex(feed.recommended);
    std::vector<std::pair<Finding, std::string>> found;
    if (s.frontToBackAtLockedDb < 0)
        found.emplace_back(Finding::FiresBackwards,
                           printfText("it fires backwards (F/B %.1f dB)", s.frontToBackAtLockedDb));
    if (!(feed.swr[best] < kSwrLimit))
        found.emplace_back(Finding::NoFeedBelow2,
                           printfText("no feed gives SWR below 2 at %g MHz (%.2f at best)", locked, feed.swr[best]));
    if (s.gainAtLockedDbi < check.dipoleGainDbi)
        found.emplace_back(Finding::WeakGain, printfText("%.2f dBi, less than a half-wave dipole's %.2f dBi here",
                                                         s.gainAtLockedDbi, check.dipoleGainDbi));
    if (!resonantIn(s, low, high))
        found.emplace_back(Finding::NotResonantInRange, "no resonance inside the estimated range");
    if (!swrBelow2Over(feed, low, high))
        found.emplace_back(Finding::SwrAbove2InRange,
                           printfText("SWR 2 or more inside the estimated range with the %s",
                                      std::string(rowOf(kFeeds, feed.recommended).name).c_str()));

    Verdict verdict;
    std::string problems, warnings;
    for (auto& [finding, what] : found) {
        const bool problem = rowOf(kFindings, finding).problem;
        (problem ? verdict.problems : verdict.warnings).push_back(finding);
        std::string& said = problem ? problems : warnings;
        said += (said.empty() ? "" : "; ") + withMend(finding, std::move(what), resonantAt(s, locked));
    }
    verdict.works = verdict.problems.empty();
    if (!verdict.works)
        verdict.line = "Does not work: " + problems + (warnings.empty() ? "" : "; also " + warnings) + ".";
    else if (!warnings.empty())
        verdict.line = "Works, but " + warnings + ".";
    else
        verdict.line = printfText(
            "Works: F/B %.1f dB, %.2f dBi (a half-wave dipole %.2f), SWR %.2f at %g MHz with "
            "the %s.",
            s.frontToBackAtLockedDb, s.gainAtLockedDbi, check.dipoleGainDbi, feed.swr[recommended], locked,
            std::string(kFeeds[recommended].name).c_str());
    return verdict;
}

}  // namespace loopbeam::nec
