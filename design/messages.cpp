#include "design/messages.h"

#include "common/text_forms.h"

namespace loopbeam::messages {

std::string notANumber(std::string_view typed) {
    if (typed.find_first_not_of(" \t") == std::string_view::npos)
        return "The frequency box is empty. Type the centre frequency in MHz, for example 14.2, "
               "then press SET AND LOCK FREQUENCY.";
    return "\"" + std::string(typed) +
           "\" is not a frequency. Type the centre frequency in MHz as a plain number, for example "
           "14.2 (no units, no commas), then press SET AND LOCK FREQUENCY.";
}

std::string frequencyTooLarge(std::string_view typed) {
    return "The frequency " + std::string(typed) +
           " MHz is too large to work with. Type a centre frequency below 3.4E+38 MHz, for example 14.2, "
           "then press SET AND LOCK FREQUENCY.";
}

std::string noFrequency() {
    return "No centre frequency above 0 MHz is locked. Type the centre frequency in MHz, press "
           "SET AND LOCK FREQUENCY, then calculate again.";
}

std::string noDesignType() {
    return "No design type is chosen. Click STANDARD HIGH GAIN, DOUBLE REFLECTOR or "
           "SPECIAL 4 OR 8 ELEMENT, then calculate again.";
}

std::string unknownGauge(std::int16_t gauge) {
    return "There is no wire gauge " + integerText(gauge) + ". Choose a gauge from 10 to 20, then calculate again.";
}

std::string lengthOutOfRange(std::string_view quantity, float freq) {
    return "At " + singleText(freq).str() + " MHz the " + std::string(quantity) +
           " is too large to work out. Lock a centre frequency further from 0 MHz, then calculate again.";
}

std::string nothingToConvert() {
    return "There are no dimensions to convert yet. Press CALCULATE/FEET & INCHES first, then "
           "CONVERT TO METRIC.";
}

std::string noCable() { return "No coax is chosen. Select your coax in the list, then calculate again."; }

}  // namespace loopbeam::messages
