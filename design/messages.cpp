#include "design/messages.h"

#include <limits>

#include "common/choice_list.h"
#include "common/text_forms.h"
#include "design/captions.h"
#include "design/design_types.h"
#include "design/selectors.h"

namespace loopbeam::messages {
namespace {

std::string str(std::string_view text) { return std::string(text); }

std::string largestFrequency() { return singleText(std::numeric_limits<float>::max()).str(); }

// What each front end asks the user to do; what is wrong is said alike.
struct Wording {
    std::string emptyFrequency;
    std::string askFrequency;
    std::string askPlainFrequency;
    std::string askSmallerFrequency;
    std::string askLockThenCalculate;
    std::string askFartherFrequency;
    std::string askDesignType;
    std::string askGauge;
    std::string askCalculation;
    std::string askCable;
};

Wording windowWording() {
    const std::string thenLock = ", then press " + str(captions::kLockFrequency) + ".";
    return {
        "The frequency box is empty.",
        "Type the centre frequency in MHz, for example 14.2" + thenLock,
        "Type the centre frequency in MHz as a plain number, for example 14.2 (no units, no commas)" + thenLock,
        "Type a centre frequency below " + largestFrequency() + " MHz, for example 14.2" + thenLock,
        "Type the centre frequency in MHz, press " + str(captions::kLockFrequency) + ", then calculate again.",
        "Lock a centre frequency further from 0 MHz, then calculate again.",
        "Click " + choiceList(kDesignTypes, [](const DesignTypeFacts& facts) { return facts.caption; }) +
            ", then calculate again.",
        "Choose a gauge from " + integerText(kGauges.minimum) + " to " + integerText(kGauges.maximum) +
            ", then calculate again.",
        "Press " + str(captions::kCalculateFeetInches) + " first, then " + str(captions::kConvertToMetric) + ".",
        "Select your coax in the list, then calculate again.",
    };
}

// The several bands' window: a band list typed and ticked, then Check.
Wording bandListWording() {
    const std::string thenCheck = ", then press Check.";
    return {
        "A band's frequency is empty.",
        "Type each centre frequency in MHz, for example 14.2" + thenCheck,
        "Type each centre frequency in MHz as a plain number, for example 14.2 (no units, commas only between "
        "bands)" +
            thenCheck,
        "Type a centre frequency below " + largestFrequency() + " MHz, for example 14.2" + thenCheck,
        "Type a centre frequency above 0 MHz" + thenCheck,
        "Type a centre frequency further from 0 MHz" + thenCheck,
        "Press Check again.",
        "Choose a gauge from " + integerText(kGauges.minimum) + " to " + integerText(kGauges.maximum) + thenCheck,
        "Press Check first.",
        "Press Check again.",
    };
}

Wording commandLineWording() {
    return {
        "The frequency is empty.",
        "Give the centre frequency in MHz, for example --freq 14.2.",
        "Give the centre frequency in MHz as a plain number, for example --freq 14.2 (no units, no commas).",
        "Give a centre frequency below " + largestFrequency() + " MHz, for example --freq 14.2.",
        "Give a centre frequency above 0 MHz, for example --freq 14.2.",
        "Give a centre frequency further from 0 MHz with --freq.",
        "Choose one with --type.",
        "Give --awg from " + integerText(kGauges.minimum) + " to " + integerText(kGauges.maximum) + ".",
        "Run the calculation first.",
        "Choose one with --coax.",
    };
}

std::string render(const Refusal& r, const Wording& w) {
    const std::string frequency = "The frequency " + r.subject + " MHz";
    switch (r.problem) {
        case Problem::EmptyFrequency: return w.emptyFrequency + " " + w.askFrequency;
        case Problem::NotAFrequency: return "\"" + r.subject + "\" is not a frequency. " + w.askPlainFrequency;
        case Problem::FrequencyTooLarge: return frequency + " is too large to work with. " + w.askSmallerFrequency;
        case Problem::FrequencyOutOfRange:
            return frequency + " is out of range: frequencies from -" + largestFrequency() + " to " +
                   largestFrequency() + " MHz are locked, zero and negative ones as typed. " + w.askFrequency;
        case Problem::FrequencyTooSmall:
            return frequency + " is too small to lock: it would be stored as 0 MHz. " + w.askFrequency;
        case Problem::NoFrequency: return "No centre frequency above 0 MHz is locked. " + w.askLockThenCalculate;
        case Problem::NoDesignType: return "No design type is chosen. " + w.askDesignType;
        case Problem::UnknownGauge: return "There is no wire gauge " + integerText(r.gauge) + ". " + w.askGauge;
        case Problem::LengthOutOfRange:
            return "At " + singleText(r.freq).str() + " MHz the " + r.subject + " is too large to work out. " +
                   w.askFartherFrequency;
        case Problem::NothingToConvert: return "There are no dimensions to convert yet. " + w.askCalculation;
        case Problem::NoCable: return "No coax is chosen. " + w.askCable;
    }
    return {};
}

}  // namespace

std::string forWindow(const Refusal& refusal) { return render(refusal, windowWording()); }

std::string forBandList(const Refusal& refusal) { return render(refusal, bandListWording()); }

std::string forCommandLine(const Refusal& refusal) { return render(refusal, commandLineWording()); }

}  // namespace loopbeam::messages
