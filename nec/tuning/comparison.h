#pragma once
// The calculated design beside the tuned one, in words: the check's summary
// lines side by side, the wire's factor, and the feed advised for each.

#include <optional>
#include <string>
#include <vector>

#include "nec/check/check_report.h"
#include "nec/check/feed_advice.h"
#include "nec/text_table.h"
#include "nec/tuning/tune.h"

namespace loopbeam::nec {

// "Tuned for front-to-back"
std::string tunedHeading(TuneGoal goal);

// Line by line; where the two name a line differently ("Resonance" and
// "Resonances, nearest first") the longer name, which holds for both.
std::vector<TextRow> sideBySide(const std::vector<SummaryLine>& calculated, const std::vector<SummaryLine>& tuned);

// "1 (bare wire)", "0.97537", or before a tuning of insulated wire "not found yet".
std::string wireFactorValue(const NecModel& model, const Tuned* tuned);
// "Wire factor: 0.97537, every loop times it (a lone loop ... resonates at ...)"
std::string wireFactorText(const NecModel& model, const Tuned* tuned);

// "Boom length" calculated and tuned, when the tuning moved the last director.
std::optional<TextRow> boomRow(const NecModel& calculated, const NecModel& tuned);

// The summary's rows for the calculated design and, when there is one, the
// tuned one: the check's lines (and the boom's length when the tuning changed
// it), then under the feed's heading the wire
// factor and the feed advice.
std::vector<TextRow> comparisonRows(const QuadDesign& design, const NecModel& calculated, const CheckResult& check,
                                    const FeedAdvice& feed, const Tuned* tuned, const FeedAdvice* tunedFeed);

}  // namespace loopbeam::nec
