#include "cli/options.h"

#include <charconv>

#include "matching/cables.h"

namespace loopbeam::cli {

const char* const kUsage =
    "usage: loopbeam-cli --freq TEXT [--elements N] [--awg N] [--type standard|special|double]\n"
    "                    [--coax NAME] [--metric] [--json]\n"
    "\n"
    "  --freq TEXT      centre frequency in MHz, locked as typed (at most 7 characters are kept);\n"
    "                   write --freq=TEXT for an empty text or one that begins with -\n"
    "  --elements N     number of elements, 3 to 50 (default 3)\n"
    "  --awg N          wire gauge, 10 to 20 (default 10)\n"
    "  --type T         standard (STANDARD HIGH GAIN, default), special (SPECIAL 4 OR 8 ELEMENT)\n"
    "                   or double (DOUBLE REFLECTOR)\n"
    "  --coax NAME      cable of the matching section: RG-6, RG-11, \"RG-11 foam\", \"RG-12 or 12a\",\n"
    "                   \"RG-59 or 59a\", \"RG-59 foam\", RG-216, or its index 0 to 6\n"
    "  --metric         report metres and centimetres instead of feet and inches\n"
    "  --json           print every box's text as JSON, keyed by control name\n";

namespace {

std::optional<int> wholeNumber(std::string_view text) {
    int value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<std::int16_t> inRange(std::string_view text, int low, int high) {
    const auto value = wholeNumber(text);
    if (!value || *value < low || *value > high) return std::nullopt;
    return static_cast<std::int16_t>(*value);
}

std::optional<std::int16_t> coaxIndex(std::string_view text) {
    if (const auto index = cableIndexOf(text)) return index;
    return inRange(text, 0, static_cast<int>(kCables.size()) - 1);
}

std::optional<DesignType> designType(std::string_view text) {
    if (text == "standard") return DesignType::Standard;
    if (text == "special") return DesignType::Special;
    if (text == "double") return DesignType::DoubleReflector;
    return std::nullopt;
}

}  // namespace

ParsedCommandLine parseCommandLine(const std::vector<std::string_view>& args) {
    Options options;
    bool haveFreq = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string_view name = args[i];
        std::optional<std::string_view> value;
        if (const auto equals = name.find('='); name.starts_with("--") && equals != std::string_view::npos) {
            value = name.substr(equals + 1);
            name = name.substr(0, equals);
        }
        if (name == "--help" || name == "-h") return HelpRequested{};
        if (name == "--metric" || name == "--json") {
            if (value) return UsageError{std::string(name) + " takes no value"};
            (name == "--metric" ? options.metric : options.json) = true;
            continue;
        }
        if (name != "--freq" && name != "--elements" && name != "--awg" && name != "--type" && name != "--coax")
            return UsageError{"unknown option " + std::string(args[i])};
        if (!value) {
            if (i + 1 >= args.size() || args[i + 1].starts_with("-"))
                return UsageError{std::string(name) + " needs a value" +
                                  (name == "--freq" ? " (write --freq=TEXT for a text that begins with -)" : "")};
            value = args[++i];
        }
        if (name == "--freq") {
            options.freq = std::string(*value);
            haveFreq = true;
        } else if (name == "--elements") {
            const auto n = inRange(*value, 3, 50);
            if (!n) return UsageError{"--elements must be a whole number from 3 to 50, not " + std::string(*value)};
            options.elements = *n;
        } else if (name == "--awg") {
            const auto n = inRange(*value, 10, 20);
            if (!n) return UsageError{"--awg must be a whole number from 10 to 20, not " + std::string(*value)};
            options.awg = *n;
        } else if (name == "--type") {
            const auto type = designType(*value);
            if (!type) return UsageError{"--type must be standard, special or double, not " + std::string(*value)};
            options.type = *type;
        } else {
            const auto index = coaxIndex(*value);
            if (!index) return UsageError{"unknown cable " + std::string(*value)};
            options.coaxIndex = index;
        }
    }
    if (!haveFreq) return UsageError{"--freq is required"};
    return options;
}

}  // namespace loopbeam::cli
