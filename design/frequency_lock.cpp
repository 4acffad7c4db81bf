#include "design/frequency_lock.h"

#include <cmath>

#include "common/parse.h"
#include "common/text_cut.h"
#include "common/text_forms.h"
#include "design/messages.h"

namespace loopbeam {
namespace {

constexpr double kUpperEdgeFactor = 1.0143;
constexpr double kLowerEdgeFraction = 0.0143;  // taken off as f - f x 0.0143, not f x 0.9857

}  // namespace

Outcome<MainTexts> lockFrequency(DesignState& state, std::string_view boxText) {
    const std::string_view typed = cutToLength(boxText, kFrequencyBoxMaxLength);
    const auto f = strictParse(typed);
    if (!f) return refuse(messages::notANumber(typed));
    const double upper = *f * kUpperEdgeFactor;
    const double lower = *f - *f * kLowerEdgeFraction;
    const float locked = static_cast<float>(lenientParse(typed));
    if (!std::isfinite(upper) || !std::isfinite(lower) || !std::isfinite(locked))
        return refuse(messages::frequencyTooLarge(typed));

    Outcome<MainTexts> result(std::in_place);  // built in place: no copy of the texts on return
    result->add(MainBox::Label1, typed);
    result->add(MainBox::Text10, doubleText(upper));
    result->add(MainBox::Text9, doubleText(lower));
    state.freq = locked;
    return result;
}

std::string showBackFrequency(const DesignState& state) { return singleText(state.freq).str(); }

}  // namespace loopbeam
