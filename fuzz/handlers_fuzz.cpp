// The lock followed by the handlers that read its result, on arbitrary typed
// text and arbitrary control values: a refusal leaves the state byte for
// byte as it was, and no handler ever stores a NaN or an infinity.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "design/design_types.h"
#include "design/dimensions.h"
#include "design/frequency_lock.h"
#include "design/matching_section.h"
#include "design/messages.h"
#include "design/metric.h"
#include "design/selectors.h"
#include "fuzz/fuzz_check.h"

namespace {

using loopbeam::DesignState;

void checkFinite(const DesignState& state) {
    for (float value :
         {state.freq, state.wireDia, state.diaRatio, state.drivenConst, state.dirCount, state.dirConst, state.refConst,
          state.corr, state.dirLen, state.drvLen, state.refLen, state.spacing, state.boomLen, state.holeSpacing,
          state.matchLen, state.matchFeet, state.matchInches, state.velFactor, state.coaxIndex})
        FUZZ_CHECK(std::isfinite(value));
}

// Runs one handler and checks what it may leave behind.
template <class Handler>
void step(DesignState& state, Handler handler) {
    unsigned char before[sizeof(DesignState)];
    std::memcpy(before, &state, sizeof state);
    const auto outcome = handler(state);
    if (!outcome) {
        FUZZ_CHECK(std::memcmp(before, &state, sizeof state) == 0);
        FUZZ_CHECK(!loopbeam::messages::forWindow(outcome.error()).empty());
    } else {
        for (const auto& text : *outcome) FUZZ_CHECK(text.text.size > 0 || factsOf(text.box).name == "Label1");
    }
    checkFinite(state);
}

}  // namespace

// Input: gauge, element count, design type, cable, a previous frequency, then the typed text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4 + sizeof(float)) return 0;
    const auto inRange = [](const loopbeam::SelectorRange& range, std::uint8_t byte) {
        return static_cast<std::int16_t>(range.minimum + byte % (range.maximum - range.minimum + 1));
    };
    const auto gauge = inRange(loopbeam::kGauges, data[0]);
    const auto elements = inRange(loopbeam::kElementCounts, data[1]);
    const int designType = data[2] % 4;                                               // 3: none clicked
    const auto cable = static_cast<std::int16_t>(static_cast<int>(data[3] % 9) - 1);  // -1 to 7
    DesignState state;
    std::memcpy(&state.freq, data + 4, sizeof state.freq);
    if (!std::isfinite(state.freq)) state.freq = 0;  // the lock never stores one
    const std::string_view typed(reinterpret_cast<const char*>(data + 4 + sizeof(float)), size - 4 - sizeof(float));

    step(state, [&](DesignState& s) { return loopbeam::lockFrequency(s, typed); });
    if (designType == 0) loopbeam::selectStandardHighGain(state, elements);
    if (designType == 1) loopbeam::selectSpecial4or8(state);
    if (designType == 2) loopbeam::selectDoubleReflector(state);
    step(state, [&](DesignState& s) { return loopbeam::calculateFeetInches(s, gauge, elements); });
    step(state, [&](DesignState& s) { return loopbeam::calculateDimensions(s, gauge, elements); });
    step(state, [&](DesignState& s) { return loopbeam::convertToMetric(s); });
    loopbeam::chooseCable(state, cable);
    step(state, [&](DesignState& s) { return loopbeam::matchFeetInches(s); });
    step(state, [&](DesignState& s) { return loopbeam::matchMetric(s); });
    step(state, [&](DesignState& s) { return loopbeam::matchFeetInchesArithmetic(s); });
    step(state, [&](DesignState& s) { return loopbeam::matchMetricArithmetic(s); });
    return 0;
}
