#pragma once
// What a check says, in words and figures for a reader: the conditions it
// ran under, the summary lines, and the sweep as a table. The command line
// prints them; the check window shows the same lines.

#include <string>
#include <vector>

#include "nec/check/check_result.h"
#include "nec/check/feed_advice.h"
#include "nec/model/nec_model.h"
#include "nec/model/quad_design.h"

namespace loopbeam::nec {

// "21.020 to 21.321 MHz", an edge that is the sweep's own marked "(sweep start)" or "(sweep end)"
std::string spanText(const Span& span);

// The spans below an SWR told against the locked frequency: "13.986 to
// 14.482 MHz, around 14.2 MHz", "none at 14.2 MHz: below 2 from 13.670 to
// 14.174 MHz", "none in the sweep".
std::string spansAround(const std::vector<Span>& spans, double swrThreshold, double lockedMHz);

// "free space, square loops, bare copper wire, 140 segments"
std::string conditionsOf(const NecModel& model);

struct SummaryLine {
    std::string label, value;
};

// The verdict first, then every resonance, the lowest SWR through the section and fed directly, the
// spans below 1.5 and 2 through the section set beside the estimated range,
// the SWR at its edges, the band's worst gain, F/B, F/R and SWR, then gain,
// F/B and F/R at the locked frequency, and how the sweep was found.
std::vector<SummaryLine> summaryLines(const CheckResult& result, const QuadDesign& design, const FeedAdvice& feed);

// One line a solved frequency, the columns separated and headed with their
// units ("-" where the rear half was not asked); over ground, the elevation
// each point's gain, F/B and F/R were taken at.
std::string sweepTable(const CheckResult& result, bool overGround);

}  // namespace loopbeam::nec
