#include "cli/measured_options.h"

#include "cli/options.h"
#include "common/parse.h"
#include "nec/printf_text.h"

namespace loopbeam::cli {
namespace {

struct Bounds {
    std::string_view name;
    double low, high;  // high included, low only where zero is allowed
    std::string_view what;
    bool zeroAllowed;
    std::optional<double> MeasuredChoices::*member;
};

constexpr Bounds kNumbers[] = {
    {"--feedline", 0, nec::kMaxFeedlineMetres, "the feed line's length in metres", false,
     &MeasuredChoices::feedlineMetres},
    {"--feedline-z0", 0, nec::kMaxLineOhms, "the feed line's characteristic impedance in ohms", false,
     &MeasuredChoices::z0},
    {"--feedline-vf", 0, 1, "the feed line's velocity factor", false, &MeasuredChoices::velocityFactor},
    {"--feedline-loss-db", 0, nec::kMaxLineLossDb, "the feed line's matched loss in dB", true,
     &MeasuredChoices::lossDb},
};

std::string numberText(double value) { return nec::printfText("%g", value); }

}  // namespace

bool isMeasuredOption(std::string_view name) {
    if (name == "--measured" || name == "--feedline-cable" || name == "--as-cut") return true;
    for (const Bounds& bounds : kNumbers)
        if (bounds.name == name) return true;
    return false;
}

bool* measuredFlagNamed(MeasuredChoices& choices, std::string_view name) {
    return name == "--through-section" ? &choices.throughSection : nullptr;
}

std::optional<std::string> readMeasuredOption(std::string_view name, std::string_view value, MeasuredChoices& choices) {
    if (name == "--measured") {
        if (value.empty()) return "--measured needs a file name";
        choices.file = std::string(value);
        return std::nullopt;
    }
    if (name == "--as-cut") {
        if (value.empty()) return "--as-cut needs the cut list's CSV or reflector=M,driven=M,director=M";
        choices.asCut = std::string(value);
        return std::nullopt;
    }
    if (name == "--feedline-cable") {
        if (!nec::lineCableNamed(value))
            return "--feedline-cable must be " + nec::lineCableNames() + ", " + notValue(value);
        choices.cable = std::string(value);
        return std::nullopt;
    }
    for (const Bounds& bounds : kNumbers) {
        if (bounds.name != name) continue;
        const auto number = strictParse(value);
        const auto inBounds = [&](double x) {
            return (bounds.zeroAllowed ? x >= bounds.low : x > bounds.low) && x <= bounds.high;
        };
        if (!number || !inBounds(*number))
            return std::string(name) + " must be " + std::string(bounds.what) + ", " +
                   (bounds.zeroAllowed ? "" : "above ") + numberText(bounds.low) + " to " + numberText(bounds.high) +
                   ", " + notValue(value);
        choices.*bounds.member = number;
    }
    return std::nullopt;
}

std::optional<std::string> measuredChoicesFault(const MeasuredChoices& choices, bool simulatesOrTunes) {
    const bool lineDetail = choices.cable || choices.z0 || choices.velocityFactor || choices.lossDb;
    if (!choices.file && choices.asCut) return "--as-cut says what was measured: add --measured FILE";
    if (!choices.file && (choices.feedlineMetres || lineDetail || choices.throughSection))
        return "--feedline and --through-section describe the way to a measurement: add --measured FILE";
    if (choices.file && !simulatesOrTunes)
        return "--measured sets a measurement beside the NEC-2 model: add --simulate or --tune";
    if (lineDetail && !choices.feedlineMetres)
        return "--feedline-cable, --feedline-z0, --feedline-vf and --feedline-loss-db describe the feed line: add "
               "--feedline LENGTH_M";
    if (!choices.feedlineMetres) return std::nullopt;
    if (choices.cable && (choices.z0 || choices.velocityFactor))
        return "--feedline-cable names the cable's impedance and velocity factor: leave out --feedline-z0 and "
               "--feedline-vf";
    if (!choices.cable && !(choices.z0 && choices.velocityFactor))
        return "--feedline needs its cable: --feedline-cable NAME, or --feedline-z0 OHM with --feedline-vf VF";
    return std::nullopt;
}

std::optional<nec::TransmissionLine> feedlineOf(const MeasuredChoices& choices, double lockedMHz) {
    if (!choices.feedlineMetres) return std::nullopt;
    nec::TransmissionLine line;
    if (choices.cable) {
        const nec::LineCable& cable = *nec::lineCableNamed(*choices.cable);
        line.ohms = cable.ohms;
        line.velocityFactor = cable.velocityFactor;
    } else {
        line.ohms = *choices.z0;
        line.velocityFactor = *choices.velocityFactor;
    }
    line.lengthMetres = *choices.feedlineMetres;
    line.lossDb = choices.lossDb.value_or(0);
    line.referenceMHz = lockedMHz;
    return line;
}

}  // namespace loopbeam::cli
