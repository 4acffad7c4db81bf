#include "design/messages.h"

#include "common/choice_list.h"
#include "common/text_forms.h"
#include "design/captions.h"
#include "design/design_types.h"
#include "design/selectors.h"

namespace loopbeam::messages {
namespace {

std::string str(std::string_view text) { return std::string(text); }

// The design types as they stand on screen.
std::string designTypeChoices() {
    return choiceList(kDesignTypes, [](const DesignTypeFacts& facts) { return facts.caption; });
}

}  // namespace

std::string notANumber(std::string_view typed) {
    if (typed.find_first_not_of(" \t") == std::string_view::npos)
        return "The frequency box is empty. Type the centre frequency in MHz, for example 14.2, then press " +
               str(captions::kLockFrequency) + ".";
    return "\"" + str(typed) +
           "\" is not a frequency. Type the centre frequency in MHz as a plain number, for example "
           "14.2 (no units, no commas), then press " +
           str(captions::kLockFrequency) + ".";
}

std::string frequencyTooLarge(std::string_view typed) {
    return "The frequency " + str(typed) +
           " MHz is too large to work with. Type a centre frequency below 3.4E+38 MHz, for example 14.2, then press " +
           str(captions::kLockFrequency) + ".";
}

std::string noFrequency() {
    return "No centre frequency above 0 MHz is locked. Type the centre frequency in MHz, press " +
           str(captions::kLockFrequency) + ", then calculate again.";
}

std::string noDesignType() {
    return "No design type is chosen. Click " + designTypeChoices() + ", then calculate again.";
}

std::string unknownGauge(std::int16_t gauge) {
    return "There is no wire gauge " + integerText(gauge) + ". Choose a gauge from " + integerText(kGauges.minimum) +
           " to " + integerText(kGauges.maximum) + ", then calculate again.";
}

std::string lengthOutOfRange(std::string_view quantity, float freq) {
    return "At " + singleText(freq).str() + " MHz the " + str(quantity) +
           " is too large to work out. Lock a centre frequency further from 0 MHz, then calculate again.";
}

std::string nothingToConvert() {
    return "There are no dimensions to convert yet. Press " + str(captions::kCalculateFeetInches) + " first, then " +
           str(captions::kConvertToMetric) + ".";
}

std::string noCable() { return "No coax is chosen. Select your coax in the list, then calculate again."; }

}  // namespace loopbeam::messages
