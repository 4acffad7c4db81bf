#include "design/frequency_lock.h"

#include <cmath>

#include "common/parse.h"
#include "common/text_cut.h"
#include "common/text_forms.h"

namespace loopbeam {
namespace {

constexpr double kUpperEdgeFactor = 1.0143;
constexpr double kLowerEdgeFraction = 0.0143;  // taken off as f - f x 0.0143, not f x 0.9857

}  // namespace

Outcome<MainTexts> lockFrequency(DesignState& state, std::string_view boxText) {
    const std::string_view typed = cutToLength(boxText, kFrequencyBoxMaxLength);
    const auto refused = [&](Problem problem) { return refuse({problem, std::string(typed)}); };
    // Beyond the range: too large, or out of range for a negative number.
    const auto beyond = [&](double value) {
        return refused(value < 0 ? Problem::FrequencyOutOfRange : Problem::FrequencyTooLarge);
    };
    const auto f = strictParse(typed);
    if (!f) {
        if (typed.find_first_not_of(" \t") == std::string_view::npos) return refused(Problem::EmptyFrequency);
        if (!hasNumberForm(typed)) return refused(Problem::NotAFrequency);
        return beyond(lenientParse(typed));
    }
    const auto [lower, upper] = estimatedRange(*f);
    const float locked = static_cast<float>(lenientParse(typed));
    if (!std::isfinite(upper) || !std::isfinite(lower) || !std::isfinite(locked)) return beyond(*f);
    if (locked == 0 && *f != 0) return refused(Problem::FrequencyTooSmall);

    Outcome<MainTexts> result(std::in_place);  // built in place: no copy of the texts on return
    result->add(MainBox::Label1, typed);
    result->add(MainBox::Text10, doubleText(upper));
    result->add(MainBox::Text9, doubleText(lower));
    state.freq = locked;
    return result;
}

EstimatedRange estimatedRange(double f) { return {f - f * kLowerEdgeFraction, f * kUpperEdgeFactor}; }

std::string showBackFrequency(const DesignState& state) { return singleText(state.freq).str(); }

}  // namespace loopbeam
