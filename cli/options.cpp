#include "cli/options.h"

#include <array>
#include <charconv>

#include "common/choice_list.h"
#include "common/utf8.h"
#include "design/cables.h"

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

std::string rangeText(const SelectorRange& range) {
    return number(range.minimum) + " to " + number(range.maximum) + " (default " + number(range.minimum) + ")";
}

// An option's description, its lines filled to 92 columns under the description column.
std::string described(std::string_view option, std::string_view description) {
    constexpr std::size_t kIndent = 19, kWidth = 92;
    std::string out = "  " + str(option), line;
    out.append(kIndent - out.size(), ' ');
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

std::optional<int> wholeNumber(std::string_view text) {
    int value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
    return value;
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

std::string typeWords() {
    std::string out;
    for (const TypeWord& choice : kTypeWords) out += (out.empty() ? "" : "|") + str(choice.word);
    return out;
}

std::string mustBeWhole(std::string_view option, const SelectorRange& range, std::string_view value) {
    return str(option) + " must be a whole number from " + number(range.minimum) + " to " + number(range.maximum) +
           ", not " + str(value);
}

}  // namespace

std::string usage() {
    return "usage: loopbeam-cli --freq TEXT [--elements N] [--awg N] [--type " + typeWords() +
           "]\n"
           "                    [--coax NAME] [--metric] [--json]\n"
           "\n"
           "  --freq TEXT      centre frequency in MHz, locked as typed (at most 7 characters are kept);\n"
           "                   write --freq=TEXT for an empty text or one that begins with -\n" +
           described("--elements N", "number of elements, " + rangeText(kElementCounts)) +
           described("--awg N", "wire gauge, " + rangeText(kGauges)) + described("--type T", typeChoices()) +
           described("--coax NAME", "cable of the matching section: " + cableChoices()) +
           described("--metric", "report metres and centimetres instead of feet and inches") +
           described("--json", "print every box's text as JSON, keyed by control name");
}

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
            if (value) return UsageError{str(name) + " takes no value"};
            (name == "--metric" ? options.metric : options.json) = true;
            continue;
        }
        if (name != "--freq" && name != "--elements" && name != "--awg" && name != "--type" && name != "--coax")
            return UsageError{"unknown option " + str(args[i])};
        if (!value) {
            if (i + 1 >= args.size() || args[i + 1].starts_with("-"))
                return UsageError{str(name) + " needs a value" +
                                  (name == "--freq" ? " (write --freq=TEXT for a text that begins with -)" : "")};
            value = args[++i];
        }
        if (name == "--freq") {
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
        } else if (name == "--type") {
            const auto type = designType(*value);
            if (!type)
                return UsageError{"--type must be " + choiceList(kTypeWords, [](const TypeWord& t) { return t.word; }) +
                                  ", not " + str(*value)};
            options.type = *type;
        } else {
            const auto index = coaxIndex(*value);
            if (!index) return UsageError{"unknown cable " + str(*value)};
            options.coaxIndex = index;
        }
    }
    if (!haveFreq) return UsageError{"--freq is required"};
    return options;
}

}  // namespace loopbeam::cli
