#include "cli/options.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <set>

#include "common/choice_list.h"
#include "common/parse.h"
#include "common/utf8.h"
#include "design/boxes.h"
#include "design/cables.h"
#include "nec/check/feed_advice.h"
#include "nec/choice_table.h"
#include "nec/model/nec_model.h"
#include "nec/multiband/spider_band_goal.h"
#include "nec/printf_text.h"

namespace loopbeam::cli {
namespace {

// The word that chooses each design type, in the order the help lists them.
struct TypeWord {
    DesignType type;
    std::string_view word;
};
constexpr std::array<TypeWord, 3> kTypeWords{{
    {DesignType::StandardHighGain, "standard"},
    {DesignType::Special4or8, "special"},
    {DesignType::DoubleReflector, "double"},
}};

std::string str(std::string_view text) { return std::string(text); }
std::string number(long value) { return std::to_string(value); }

std::string rangeText(const SelectorRange& range, std::int16_t byDefault) {
    return number(range.minimum) + " to " + number(range.maximum) + " (default " + number(byDefault) + ")";
}

// An option's description, its lines filled to 92 columns under the description column.
std::string described(std::string_view option, std::string_view description) {
    constexpr std::size_t kIndent = 19, kWidth = 92;
    std::string out = "  " + str(option);
    out += out.size() < kIndent ? std::string(kIndent - out.size(), ' ') : "\n" + std::string(kIndent, ' ');
    std::size_t column = kIndent;
    for (std::size_t start = 0; start < description.size();) {
        const std::size_t end = std::min(description.find(' ', start), description.size());
        const std::string_view word = description.substr(start, end - start);
        if (column > kIndent && column + 1 + word.size() > kWidth) {
            out += "\n" + std::string(kIndent, ' ');
            column = kIndent;
        } else if (column > kIndent) {
            out += ' ';
            ++column;
        }
        out += word;
        column += word.size();
        start = end + 1;
    }
    return out + "\n";
}

std::string typeChoices() {
    return choiceList(kTypeWords, [](const TypeWord& choice) {
        const bool isDefault = choice.type == Options{}.type;
        return str(choice.word) + " (" + str(captionOf(choice.type)) + (isDefault ? ", default)" : ")");
    });
}

std::string cableChoices() {
    std::string out;
    for (const CableType& cable : kCables) {
        const bool quoted = cable.entry.find(' ') != std::string_view::npos;
        out += (quoted ? "\"" + str(cable.entry) + "\"" : str(cable.entry)) + ", ";
    }
    return out + "or its index 0 to " + number(static_cast<long>(kCables.size()) - 1);
}

std::optional<std::int16_t> inRange(std::string_view text, const SelectorRange& range) {
    const auto value = wholeNumber(text);
    if (!value || !range.contains(*value)) return std::nullopt;
    return static_cast<std::int16_t>(*value);
}

std::optional<std::int16_t> coaxIndex(std::string_view text) {
    if (const auto index = cableIndexOf(text)) return index;
    return inRange(text, {0, static_cast<std::int16_t>(kCables.size() - 1)});
}

std::optional<DesignType> designType(std::string_view text) {
    for (const TypeWord& choice : kTypeWords)
        if (choice.word == text) return choice.type;
    return std::nullopt;
}

std::string mustBeWhole(std::string_view option, const SelectorRange& range, std::string_view value) {
    return str(option) + " must be a whole number from " + number(range.minimum) + " to " + number(range.maximum) +
           ", " + notValue(value);
}

bool* flagNamed(Options& options, std::string_view name) {
    if (name == "--metric") return &options.metric;
    if (name == "--json") return &options.json;
    if (name == "--simulate") return &options.simulate;
    if (name == "--diamond") return &options.diamond;
    if (name == "--allow-large") return &options.allowLarge;
    if (name == "--interaction") return &options.interaction;
    if (bool* flag = measuredFlagNamed(options.measured, name)) return flag;
    return sweepFlagNamed(options.sweep, name);
}

// The wire and the soil, with the limits, words and defaults of the model.
std::string modelHelp() {
    const nec::CheckOptions byDefault;
    const auto isDefault = [](bool yes) { return yes ? ", default" : ""; };
    return described("--insulation MM", nec::printfText("insulated wire, its covering this thick in millimetres (above "
                                                        "0, at most %g; default: bare wire)",
                                                        nec::kMaxInsulationMm)) +
           described("--permittivity ER",
                     nec::printfText("the insulation's relative permittivity (above 1, at most %g)",
                                     nec::kMaxInsulationPermittivity)) +
           described("--insulation-material M",
                     "instead of --permittivity, the insulation's material (and its permittivity): " +
                         choiceList(nec::kDielectrics,
                                    [](const nec::DielectricRow& row) {
                                        return str(row.word) + nec::printfText(" (%g)", row.permittivity);
                                    })) +
           described("--conductor C", choiceList(nec::kConductors,
                                                 [&](const nec::ConductorRow& row) {
                                                     return str(row.word) +
                                                            nec::printfText(" (%g S/m%s)", row.conductivity,
                                                                            isDefault(row.key == byDefault.conductor));
                                                 })) +
           described("--soil SOIL", "the soil under the boom with --ground (permittivity, conductivity): " +
                                        choiceList(nec::kSoils, [&](const nec::SoilRow& row) {
                                            return str(row.word) +
                                                   nec::printfText(" (%g, %g S/m%s)", row.permittivity,
                                                                   row.conductivity,
                                                                   isDefault(row.key == byDefault.soil));
                                        }));
}

std::string measuredHelp() {
    return "\nAn analyser's sweep of the antenna beside the model (with --simulate or --tune):\n" +
           described("--measured FILE",
                     "a one-port Touchstone file (.s1p, version 1 or 2.0) or a CSV file with a frequency column and R "
                     "and X in ohms or S11's re and im") +
           described("--feedline LENGTH_M",
                     "measured at the shack end of a feed line this long: the sweep is moved back to the feed point") +
           described("--feedline-cable NAME", "the feed line's cable: " + nec::lineCableNames()) +
           described("--feedline-z0 OHM", "instead, the feed line's characteristic impedance, with --feedline-vf VF") +
           described("--feedline-vf VF", "the feed line's velocity factor") +
           described("--feedline-loss-db DB",
                     "the feed line's matched loss at the locked frequency, growing with the square root of frequency "
                     "(default: lossless)") +
           described("--through-section",
                     "measured through the quarter-wave section the check advises too, in the cable of --coax as the "
                     "matching window cuts it") +
           described("--as-cut FILE|LENGTHS",
                     "what was cut, for the trims: the cut list's CSV, or reflector=M,driven=M,director=M in metres "
                     "(director 1=M,director 2=M,... where they differ); default: the design shown, tuned with "
                     "--tune");
}

std::vector<std::string> commaSeparated(std::string_view text) {
    std::vector<std::string> parts;
    for (std::size_t start = 0;;) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        parts.push_back(str(text.substr(start, comma - start)));
        if (comma == text.size()) return parts;
        start = comma + 1;
    }
}

// --bands designs its own loops from each band's rule; what only one band's design has is refused.
std::optional<std::string> severalBandsFault(const std::set<std::string_view>& given, const Options& options) {
    for (const std::string_view name : {"--freq", "--elements", "--type"})
        if (given.count(name))
            return "--bands replaces " + str(name) +
                   ": each band is a two-element quad of the STANDARD HIGH GAIN rule for that band";
    for (const std::string_view name : {"--coax", "--touchstone", "--nec-deck", "--measured"})
        if (given.count(name)) return str(name) + " is not offered with --bands yet";
    if (given.count("--band"))
        return str("--band is one band's range: with --bands each band is taken over its own estimated range");
    if (options.metric) return str("--bands reports in metres already: leave out --metric");
    if (options.tune && !nec::tunesSeveralBands(*options.tune))
        return "--tune " + str(nec::rowOf(nec::kTuneGoals, *options.tune).word) + " is not offered with --bands yet";
    if (options.interaction && !options.tune)
        return str("--interaction compares each band tuned alone with the bands tuned together: add --tune GOAL");
    return std::nullopt;
}

}  // namespace

std::string notValue(std::string_view value) { return value.empty() ? "not an empty value" : "not " + str(value); }

std::optional<int> wholeNumber(std::string_view text) {
    int value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<float> coaxVelocityFactor(const Options& options) {
    if (!options.coaxIndex) return std::nullopt;
    return kCables[static_cast<std::size_t>(*options.coaxIndex)].velFactor;
}

std::string usage() {
    return "usage: loopbeam-cli --freq TEXT [--elements N] [--awg N] [--type " + nec::wordsOf(kTypeWords) +
           "]\n"
           "                    [--coax NAME] [--metric] [--json] [--version]\n"
           "                    [--nec-deck FILE|-] [--simulate] [--touchstone FILE]\n"
           "                    [--sweep-points N] [--solve-every-point] [--band LOW:HIGH]\n"
           "                    [--ground HEIGHT_M] [--diamond] [--allow-large]\n"
           "                    [--tune " +
           nec::wordsOf(nec::kTuneGoals) +
           "] [--max-swr X] [--feed FEED]\n"
           "                    [--insulation MM (--permittivity ER | --insulation-material " +
           nec::wordsOf(nec::kDielectrics) +
           ")]\n"
           "                    [--conductor " +
           nec::wordsOf(nec::kConductors) +
           "] [--soil SOIL]\n"
           "                    [--measured FILE [--feedline LENGTH_M (--feedline-cable NAME | --feedline-z0 OHM\n"
           "                     --feedline-vf VF) [--feedline-loss-db DB]] [--through-section]\n"
           "                     [--as-cut FILE|LENGTHS]]\n"
           "       loopbeam-cli --bands F1,F2,... [--awg N] [--unused-feeds " +
           nec::wordsOf(nec::kUnusedFeeds) +
           "] [--json] [--simulate]\n"
           "                    [--tune " +
           nec::wordsOf(nec::kTuneGoals) +
           " [--interaction]] [--cut-list-csv FILE]\n"
           "                    [the check's options above but --touchstone and --nec-deck]\n"
           "\n"
           "  --freq TEXT      centre frequency in MHz, locked as typed (at most " +
           number(kFrequencyBoxMaxLength) +
           " characters are kept);\n"
           "                   write --freq=TEXT for an empty text or one that begins with -\n" +
           described("--elements N", "number of elements, " + rangeText(kElementCounts, Options{}.elements)) +
           described("--awg N", "wire gauge, " + rangeText(kGauges, Options{}.awg)) +
           described("--type T", typeChoices()) +
           described("--coax NAME", "cable of the matching section: " + cableChoices()) +
           described("--metric", "report metres and centimetres instead of feet and inches") +
           described("--json",
                     "print every box's text as JSON, keyed by control name, and the lengths in metres and feet") +
           described("--version", "print the version and end") +
           "\nThe NEC-2 check of the calculated design (runs nec2c):\n" +
           described("--nec-deck FILE", "write the NEC-2 card deck of the design; with - it is the only output") +
           described("--simulate", "run the check and report impedance, SWR, gain and front-to-back") +
           described("--touchstone FILE", "run the check and write the sweep as a Touchstone 1.1 .s1p file") +
           described("--sweep-points N",
                     nec::printfText("how many frequencies the sweep gives over the locked frequency +-5%%, %d to %d "
                                     "(default %d): the feed "
                                     "impedance from a rational fit of a few nec2c solves, gain and F/B where solved",
                                     nec::kMinSweepPoints, nec::kMaxSweepPoints, nec::kSweepPoints)) +
           described("--solve-every-point",
                     nec::printfText("solve every frequency with nec2c instead of fitting, for comparison (above %d "
                                     "points with --allow-large)",
                                     nec::kSweepPoints)) +
           described("--band LOW:HIGH",
                     nec::printfText("the band operated, in MHz (default: the estimated range; within %.0f%% of the "
                                     "locked frequency): the lowest gain, F/B and F/R and the highest SWR over it, "
                                     "from patterns solved at %d frequencies spread over it",
                                     nec::kBandReach * 100, nec::kBandFrequencies)) +
           described("--ground HEIGHT_M",
                     "over the soil of --soil (default average), the boom at this height in metres (default: free "
                     "space)") +
           described("--diamond", "loops turned 45 degrees, fed at the bottom corner") +
           described("--allow-large", "run a check of a design so large that it takes minutes") +
           described("--tune GOAL",
                     "run the check, then tune the design with NEC-2 (every loop by the wire's factor, then "
                     "resonance: the driven loop to X = 0 at the locked frequency; front-to-back: the reflector for "
                     "the greatest F/B, then the driven loop to resonance; band: the best lowest F/R over the band "
                     "with NLopt's COBYLA, each loop and the first two spacings, the band's SWR and gain held), "
                     "and report the lengths to cut, the feed "
                     "and the tuned design's check; --nec-deck and --touchstone then write the tuned design's") +
           described("--max-swr X", "with --tune band, the band's highest SWR allowed (default 2)") +
           described("--feed FEED",
                     "with --tune band, the feed the SWR is taken through: direct-50, quarter-wave-75 or "
                     "quarter-wave-37.5 (default: the one recommended after the wire factor)") +
           modelHelp() + measuredHelp() + "\nA two-element quad for several bands on one spider:\n" +
           described("--bands F1,F2,...",
                     nec::printfText("%zu to %zu centre frequencies in MHz, each locked as --freq is, at least "
                                     "%g%% apart: each band's reflector, driven loop and spacing from its "
                                     "STANDARD HIGH GAIN rule, on arms at one angle; with --simulate each band is "
                                     "checked with every loop present",
                                     nec::kMinBands, nec::kMaxBands, nec::kMinBandSeparation * 100)) +
           described("--unused-feeds F",
                     "the driven loops of the bands not fed: closed (default) or open, 1 Mohm across their feeds; "
                     "each band has its own feed line, a common feed is not offered") +
           described("--tune resonance",
                     nec::printfText("with --bands: each band's driven loop to X = 0 at its centre with every loop "
                                     "present, band after band, in rounds until no loop moves by more than %g%% "
                                     "(at most %d rounds); its corners stay on the arms",
                                     nec::kSettledFraction * 100, nec::kMostRounds)) +
           described("--tune front-to-back",
                     "with --bands: the same rounds, each band's reflector first to the greatest F/B at its centre") +
           described(
               "--tune band",
               nec::printfText("with --bands: from front-to-back's rounds, each band's reflector and driven loop "
                               "for the best lowest F/R over its own range with COBYLA, its SWR through its feed "
                               "(--max-swr, --feed) and its gain held; the same rounds (up to %d evaluations of a "
                               "band in the first, %d in each later one)",
                               nec::kSpiderBandFirstEvaluations, nec::kSpiderBandLaterEvaluations)) +
           described("--interaction",
                     "with --bands and --tune: also tune each band alone on the same spider (only its own two loops, "
                     "the same goal and wire) and report each loop's length alone against with every band present, "
                     "and each band's feed at its centre") +
           described("--cut-list-csv FILE",
                     "with --bands: write the whole quad's cut list (the tuned one with --tune) as CSV, lengths in "
                     "metres and inches");
}

std::string versionText() { return "loopbeam-cli " LOOPBEAM_VERSION "\n"; }

ParsedCommandLine parseCommandLine(const std::vector<std::string_view>& args) {
    Options options;
    bool haveFreq = false;
    std::set<std::string_view> given;  // the options that take a value: each once
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string_view name = args[i];
        std::optional<std::string_view> value;
        if (const auto equals = name.find('='); name.starts_with("--") && equals != std::string_view::npos) {
            value = name.substr(equals + 1);
            name = name.substr(0, equals);
        }
        if (name == "--help" || name == "-h") return HelpRequested{};
        if (name == "--version") return VersionRequested{};
        if (bool* flag = flagNamed(options, name)) {
            if (value) return UsageError{str(name) + " takes no value"};
            *flag = true;
            continue;
        }
        if (name != "--freq" && name != "--elements" && name != "--awg" && name != "--type" && name != "--coax" &&
            name != "--nec-deck" && name != "--touchstone" && name != "--ground" && name != "--tune" &&
            name != "--bands" && name != "--unused-feeds" && name != "--cut-list-csv" && name != "--max-swr" &&
            name != "--feed" && !isModelOption(name) && !isSweepOption(name) && !isMeasuredOption(name))
            return UsageError{"unknown option " + str(args[i])};
        if (!given.insert(name).second) return UsageError{str(name) + " is given twice"};
        if (!value) {
            // A dash alone is standard output for the deck; a negative number is a value (and refused as one).
            const bool standardOutput = (name == "--nec-deck" || name == "--touchstone" || name == "--cut-list-csv") &&
                                        i + 1 < args.size() && args[i + 1] == "-";
            const bool negative = name != "--freq" && i + 1 < args.size() && args[i + 1].size() > 1 &&
                                  args[i + 1][0] == '-' &&
                                  (std::isdigit(static_cast<unsigned char>(args[i + 1][1])) || args[i + 1][1] == '.');
            if (i + 1 >= args.size() || (args[i + 1].starts_with("-") && !standardOutput && !negative))
                return UsageError{str(name) + " needs a value" +
                                  (name == "--freq" ? " (write --freq=TEXT for a text that begins with -)" : "")};
            value = args[++i];
        }
        if (isMeasuredOption(name)) {
            if (auto error = readMeasuredOption(name, *value, options.measured)) return UsageError{*error};
        } else if (isModelOption(name)) {
            if (auto error = readModelOption(name, *value, options.model)) return UsageError{*error};
        } else if (isSweepOption(name)) {
            if (auto error = readSweepOption(name, *value, options.sweep)) return UsageError{*error};
        } else if (name == "--freq") {
            if (!isValidUtf8(*value))
                return UsageError{
                    "--freq holds bytes that are not UTF-8 text; type the frequency in MHz, for "
                    "example --freq 14.2"};
            options.freq = str(*value);
            haveFreq = true;
        } else if (name == "--elements") {
            const auto n = inRange(*value, kElementCounts);
            if (!n) return UsageError{mustBeWhole(name, kElementCounts, *value)};
            options.elements = *n;
        } else if (name == "--awg") {
            const auto n = inRange(*value, kGauges);
            if (!n) return UsageError{mustBeWhole(name, kGauges, *value)};
            options.awg = *n;
        } else if (name == "--nec-deck" || name == "--touchstone") {
            if (value->empty()) return UsageError{str(name) + " needs a file name"};
            if (name == "--touchstone" && *value == "-")
                return UsageError{"--touchstone needs a file name: standard output carries the report"};
            (name == "--nec-deck" ? options.necDeck : options.touchstone) = str(*value);
        } else if (name == "--ground") {
            const auto metres = strictParse(*value);
            if (!metres || !(*metres > 0 && *metres <= nec::kMaxBoomHeightMetres))
                return UsageError{"--ground must be the boom's height in metres above 0 and at most " +
                                  number(static_cast<long>(nec::kMaxBoomHeightMetres)) + ", " + notValue(*value)};
            options.groundHeightMetres = *metres;
        } else if (name == "--tune") {
            const auto* goal = nec::rowOfWord(nec::kTuneGoals, *value);
            if (!goal) return UsageError{mustBeOneOf(name, nec::kTuneGoals, *value)};
            options.tune = goal->key;
        } else if (name == "--bands") {
            options.bands = commaSeparated(*value);
        } else if (name == "--cut-list-csv") {
            if (value->empty() || *value == "-")
                return UsageError{"--cut-list-csv needs a file name: standard output carries the report"};
            options.cutListCsv = str(*value);
        } else if (name == "--unused-feeds") {
            const auto* row = nec::rowOfWord(nec::kUnusedFeeds, *value);
            if (!row) return UsageError{mustBeOneOf(name, nec::kUnusedFeeds, *value)};
            options.unusedFeeds = row->key;
        } else if (name == "--max-swr") {
            const auto swr = strictParse(*value);
            if (!swr || !(*swr > 1 && *swr <= 100))
                return UsageError{"--max-swr must be the band's highest SWR, above 1 and at most 100, " +
                                  notValue(*value)};
            options.bandLimits.maxSwr = *swr;
        } else if (name == "--feed") {
            const auto* feed = nec::rowOfWord(nec::kFeeds, *value);
            if (!feed) return UsageError{mustBeOneOf(name, nec::kFeeds, *value)};
            options.bandLimits.feed = feed->key;
        } else if (name == "--type") {
            const auto type = designType(*value);
            if (!type) return UsageError{mustBeOneOf(name, kTypeWords, *value)};
            options.type = *type;
        } else {
            const auto index = coaxIndex(*value);
            if (!index)
                return UsageError{value->empty() ? "--coax needs the name of a cable: " + cableChoices()
                                                 : "unknown cable " + str(*value)};
            options.coaxIndex = index;
        }
    }
    if (given.count("--bands")) {
        if (auto error = severalBandsFault(given, options)) return UsageError{*error};
    } else if (given.count("--unused-feeds") || given.count("--cut-list-csv") || options.interaction) {
        return UsageError{str(given.count("--unused-feeds")   ? "--unused-feeds"
                              : given.count("--cut-list-csv") ? "--cut-list-csv"
                                                              : "--interaction") +
                          " is for a quad of several bands: add --bands F1,F2,..."};
    } else if (!haveFreq) {
        return UsageError{"--freq is required (or --bands for a quad of several bands)"};
    }
    if ((given.count("--max-swr") || given.count("--feed")) && options.tune != nec::TuneGoal::Band)
        return UsageError{"--max-swr and --feed hold the band goal's SWR: add --tune band"};
    if ((options.groundHeightMetres || options.diamond) && !options.modelsDesign())
        return UsageError{"--ground and --diamond shape the NEC-2 check: add --simulate, --touchstone or --nec-deck"};
    if (options.allowLarge && !options.runsCheck())
        return UsageError{
            "--allow-large lets the NEC-2 check of a large design run: add --simulate, --touchstone or --tune"};
    if (auto error = modelChoicesFault(options.model, options.groundHeightMetres.has_value(), options.modelsDesign()))
        return UsageError{*error};
    if (auto error = sweepChoicesFault(options.sweep, options.runsCheck(), options.allowLarge))
        return UsageError{*error};
    if (auto error = measuredChoicesFault(options.measured, options.simulate || options.tune.has_value()))
        return UsageError{*error};
    if (options.necDeck == "-" && (options.json || options.simulate))
        return UsageError{
            "--nec-deck - writes the deck alone to standard output; give it a file name to have "
            "the report beside it"};
    return options;
}

}  // namespace loopbeam::cli
