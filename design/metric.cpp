#include "design/metric.h"

#include "common/numeric.h"
#include "common/parse.h"
#include "common/text_forms.h"
#include "design/result_rows.h"
#include "design/unit_headings.h"
#include "design/units.h"

namespace loopbeam {
namespace {

void writeMetricTexts(const DesignState& state, MainTexts& texts) {
    texts.add(kWholeHeadingBox, kMetresHeading.text);
    texts.add(kFractionHeadingBox, kCentimetresHeading.text);
    for (const LengthRow& row : kLengthRows)
        texts.add(row.wholeBox, doubleText(wholePart(metresOf(state.*row.length))));
    for (std::size_t i = 0; i < kLengthRows.size(); ++i) {
        const LengthRow& row = kLengthRows[i];
        // The whole metres are read back from the text just written to their box.
        const double whole = strictParse(texts[2 + i].text).value_or(0.0);
        texts.add(row.fractionBox, doubleText((metresOf(state.*row.length) - whole) * kCmPerMetre));
    }
}

}  // namespace

Outcome<MainTexts> convertToMetric(const DesignState& state) {
    // awg is written by every successful calculation, with a gauge of 10 or more.
    if (state.awg == 0) return refuse({Problem::NothingToConvert});
    Outcome<MainTexts> result(std::in_place);  // built in place: no copy of the texts on return
    writeMetricTexts(state, *result);
    return result;
}

MainTexts metricTexts(const DesignState& state) {
    MainTexts texts;
    writeMetricTexts(state, texts);
    return texts;
}

}  // namespace loopbeam
