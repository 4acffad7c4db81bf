#pragma once
// The command line of loopbeam-cli.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cli/measured_options.h"
#include "cli/model_options.h"
#include "cli/sweep_options.h"
#include "common/choice_list.h"
#include "design/design_types.h"
#include "design/selectors.h"
#include "nec/multiband/spider.h"
#include "nec/tuning/tune.h"

namespace loopbeam::cli {

struct Options {
    std::string freq;  // as typed, before the box's 7-character cut
    std::int16_t elements = kElementCounts.minimum;
    std::int16_t awg = kGauges.minimum;
    DesignType type = DesignType::StandardHighGain;
    std::optional<std::int16_t> coaxIndex;
    bool metric = false;
    bool json = false;
    // The NEC-2 check of the calculated design.
    std::optional<std::string> necDeck;     // a file, or "-" for standard output alone
    std::optional<std::string> touchstone;  // a file
    bool simulate = false;
    std::optional<double> groundHeightMetres;  // free space without
    bool diamond = false;
    bool allowLarge = false;            // run a check above the size that asks first
    ModelChoices model;                 // the wire and the soil
    SweepChoices sweep;                 // the sweep's points, fitted or each solved
    std::optional<nec::TuneGoal> tune;  // tune the checked design with NEC-2
    nec::BandLimits bandLimits;         // --max-swr and --feed, for the band goal
    MeasuredChoices measured;           // an analyser's sweep beside the model
    // A quad for several bands on one spider instead of one band's design.
    std::vector<std::string> bands;  // centre frequencies as typed
    nec::UnusedFeeds unusedFeeds = nec::UnusedFeeds::Closed;
    std::optional<std::string> cutListCsv;  // a file: the whole quad's cut list
    bool interaction = false;               // each band also tuned alone, for comparison

    bool runsCheck() const { return simulate || touchstone.has_value() || tune.has_value(); }
    // A deck or a check needs the NEC-2 model of the design.
    // Several bands are always modelled: their spider's shape comes from the model.
    bool modelsDesign() const { return necDeck || runsCheck() || !bands.empty(); }
};

struct HelpRequested {};
struct VersionRequested {};
struct UsageError {
    std::string message;
};

using ParsedCommandLine = std::variant<Options, HelpRequested, VersionRequested, UsageError>;

ParsedCommandLine parseCommandLine(const std::vector<std::string_view>& args);

// The help text.
std::string usage();
// "loopbeam-cli 0.1.0"
std::string versionText();

// The end of a message that refuses a value; --ground= gives an empty one.
std::string notValue(std::string_view value);

// "--name must be a, b or c, not VALUE", for a value that is none of the rows' words.
template <class Rows>
std::string mustBeOneOf(std::string_view name, const Rows& rows, std::string_view value) {
    return std::string(name) + " must be " + choiceList(rows, [](const auto& row) { return row.word; }) + ", " +
           notValue(value);
}

// The velocity factor of --coax's cable, if one was given.
std::optional<float> coaxVelocityFactor(const Options& options);

// The text as an int, written in digits alone (a minus sign before them aside).
std::optional<int> wholeNumber(std::string_view text);

}  // namespace loopbeam::cli
