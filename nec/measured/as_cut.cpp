#include "nec/measured/as_cut.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <optional>

#include "common/shown_name.h"
#include "nec/measured/number_fields.h"
#include "nec/measured/text_file.h"
#include "nec/printf_text.h"
#include "nec/tuning/scaled_model.h"

namespace loopbeam::nec {
namespace {

constexpr std::size_t kMaxCutListBytes = 1 << 20;

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
    return s;
}

// "Director_2", "director 2" and "directors" all read as the program names them.
std::string elementWord(std::string_view name) {
    std::string word;
    for (const char c : trimmed(name))
        word += c == '_' ? ' ' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return word == "directors" ? "director" : word;
}

Outcome<AsCutLength> lengthOf(std::string_view name, std::string_view value) {
    AsCutLength length{elementWord(name), 0};
    if (length.element.empty()) return refuse("a length without its element's name");
    const auto metres = numberOf(trimmed(value));
    if (!metres) return refuse(length.element + ": " + notANumber(trimmed(value)));
    if (!(*metres > 0 && *metres < 1000))
        return refuse(length.element + printfText(": a wire's length in metres, above 0, not %g", *metres));
    length.metres = *metres;
    return length;
}

std::vector<std::string_view> splitOn(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (std::size_t from = 0;;) {
        const std::size_t to = text.find(separator, from);
        parts.push_back(text.substr(from, to == std::string_view::npos ? std::string_view::npos : to - from));
        if (to == std::string_view::npos) return parts;
        from = to + 1;
    }
}

// The director's number in "director 3", 0 for every director, -1 for no director.
long directorNumber(const std::string& element) {
    if (element == "director") return 0;
    if (!element.starts_with("director ")) return -1;
    const std::string digits = element.substr(9);
    if (digits.empty() || digits.size() > 3 ||
        !std::all_of(digits.begin(), digits.end(), [](unsigned char c) { return std::isdigit(c); }))
        return -1;
    const long n = std::stol(digits);
    return n > 0 ? n : -1;
}

}  // namespace

Outcome<std::vector<AsCutLength>> readAsCutPairs(std::string_view text) {
    std::vector<AsCutLength> lengths;
    for (const std::string_view pair : splitOn(text, ',')) {
        const std::size_t equals = pair.find('=');
        if (equals == std::string_view::npos)
            return refuse("\"" + std::string(trimmed(pair)) + "\" is no element=metres, as in reflector=21.6");
        auto length = lengthOf(pair.substr(0, equals), pair.substr(equals + 1));
        if (!length) return refuse(length.error().message);
        lengths.push_back(*length);
    }
    return lengths;
}

Outcome<std::vector<AsCutLength>> readAsCutCsv(std::string_view text) {
    std::vector<AsCutLength> lengths;
    std::size_t element = std::string_view::npos, wire = std::string_view::npos, lineNumber = 0;
    bool header = false;
    for (std::string_view line : splitOn(text, '\n')) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (trimmed(line).empty() || trimmed(line).front() == '#') continue;
        // The cut list's fields are numbers and names without commas: no quoting to undo here.
        const std::vector<std::string_view> fields = splitOn(line, ',');
        if (!header) {
            // What was cut, where the window saved it beside the design's wire.
            std::size_t asCut = std::string_view::npos;
            for (std::size_t i = 0; i < fields.size(); ++i) {
                if (trimmed(fields[i]) == "element") element = i;
                if (trimmed(fields[i]) == "wire_m") wire = i;
                if (trimmed(fields[i]) == "as_cut_m") asCut = i;
            }
            if (asCut != std::string_view::npos) wire = asCut;
            if (element == std::string_view::npos || wire == std::string_view::npos)
                return refuse(onLine(lineNumber,
                                     "the header has no element and wire_m columns: save the cut list "
                                     "from the check window or the command line"));
            header = true;
            continue;
        }
        if (fields.size() <= std::max(element, wire)) return refuse(onLine(lineNumber, "fewer fields than the header"));
        auto length = lengthOf(fields[element], fields[wire]);
        if (!length) return refuse(onLine(lineNumber, length.error().message));
        lengths.push_back(*length);
    }
    if (lengths.empty()) return refuse("no element's length: is it the cut list's CSV?");
    return lengths;
}

Outcome<std::vector<AsCutLength>> readAsCut(const std::string& argument) {
    std::error_code error;
    if (argument.find('=') != std::string::npos && !std::filesystem::exists(argument, error))
        return readAsCutPairs(argument);
    auto text = readTextFile(argument, kMaxCutListBytes, "any cut list");
    if (!text) return refuse(text.error().message + "; give the cut list's CSV or reflector=M,driven=M,director=M");
    auto lengths = readAsCutCsv(*text);
    if (!lengths) return refuse(shownFileName(argument) + ": " + lengths.error().message);
    return lengths;
}

Outcome<BoomLayout> asCutLayout(const BoomLayout& design, const std::vector<AsCutLength>& lengths) {
    BoomLayout cut = design;
    const std::size_t directors = design.perimeters.size() - kDrivenLoop - 1;
    std::vector<bool> given(design.perimeters.size(), false);
    const auto set = [&](std::size_t loop, double metres, const std::string& element) -> std::optional<std::string> {
        if (given[loop]) return element + " is given twice";
        given[loop] = true;
        cut.perimeters[loop] = metres;
        return std::nullopt;
    };
    for (const AsCutLength& length : lengths) {
        std::optional<std::string> fault;
        const long director = directorNumber(length.element);
        if (length.element == "reflector")
            fault = set(kReflectorLoop, length.metres, length.element);
        else if (length.element == "driven")
            fault = set(kDrivenLoop, length.metres, length.element);
        else if (director == 0)
            for (std::size_t d = 0; d < directors && !fault; ++d)
                fault = set(kDrivenLoop + 1 + d, length.metres, "director " + std::to_string(d + 1));
        else if (director > 0 && static_cast<std::size_t>(director) <= directors)
            fault = set(kDrivenLoop + static_cast<std::size_t>(director), length.metres, length.element);
        else
            fault = printfText("\"%s\" is no loop of this design: it has a reflector, a driven loop and %zu director%s",
                               length.element.c_str(), directors, directors == 1 ? "" : "s");
        if (fault) return refuse("the lengths as cut: " + *fault);
    }
    for (std::size_t loop = 0; loop < given.size(); ++loop)
        if (!given[loop])
            return refuse("the lengths as cut leave out the " +
                          (loop == kDrivenLoop ? std::string("driven loop") : loopWord(loop)) + ": give every loop");
    return cut;
}

Outcome<NecModel> asCutModel(const NecModel& design, const std::vector<AsCutLength>& lengths) {
    auto layout = asCutLayout(layoutOf(design), lengths);
    if (!layout) return refuse(layout.error().message);
    return relaidModel(design, *layout);
}

}  // namespace loopbeam::nec
