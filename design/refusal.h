#pragma once
// Why a step refused, with what the message needs to say it. The words are
// the front end's: the windows and the command line word them differently.

#include <cstdint>
#include <string>

namespace loopbeam {

enum class Problem : std::uint8_t {
    EmptyFrequency,       // the typed text is empty or blank
    NotAFrequency,        // the typed text is not a number
    FrequencyTooLarge,    // beyond the range the lock can work with
    FrequencyOutOfRange,  // a negative number beyond that range
    FrequencyTooSmall,    // a number that would be stored as 0
    NoFrequency,          // nothing above 0 MHz is locked
    NoDesignType,
    UnknownGauge,
    LengthOutOfRange,  // a result does not fit its field at this frequency
    NothingToConvert,  // no successful calculation yet
    NoCable,
};

struct Refusal {
    Problem problem;
    std::string subject = {};  // the typed frequency, or the quantity that does not fit
    float freq = 0;            // the locked frequency, where it matters
    std::int16_t gauge = 0;
};

}  // namespace loopbeam
