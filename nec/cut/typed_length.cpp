#include "nec/cut/typed_length.h"

#include <cctype>
#include <optional>
#include <string>
#include <vector>

#include "common/parse.h"
#include "design/units.h"
#include "nec/model/nec_model.h"
#include "nec/printf_text.h"

namespace loopbeam::nec {
namespace {

constexpr double kMostMetres = 1000;

enum class Unit { None, Metres, Feet, Inches };

struct Part {
    double value = 0;
    bool fraction = false;  // written with a "/"
    Unit unit = Unit::None;
};

bool isNumberChar(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '/' || c == '+' || c == '-' || c == ',';
}

// Blanks separate words, and a number ends where its unit begins: "70ft" is "70" "ft".
std::vector<std::string> wordsOf(std::string_view text) {
    std::vector<std::string> words;
    bool open = false;  // the last word takes the next character
    for (const char c : text) {
        if (std::isspace(static_cast<unsigned char>(c))) {
            open = false;
            continue;
        }
        if (!open || isNumberChar(c) != isNumberChar(words.back().back())) words.emplace_back();
        words.back() += c;
        open = true;
    }
    return words;
}

std::optional<Unit> unitNamed(const std::string& word) {
    for (const char* name : {"m", "metre", "metres", "meter", "meters"})
        if (word == name) return Unit::Metres;
    for (const char* name : {"ft", "foot", "feet", "'"})
        if (word == name) return Unit::Feet;
    for (const char* name : {"in", "inch", "inches", "\""})
        if (word == name) return Unit::Inches;
    return std::nullopt;
}

// "5/16", or a number.
std::optional<Part> numberPart(const std::string& word) {
    const std::size_t slash = word.find('/');
    if (slash == std::string::npos) {
        const auto value = strictParse(word);
        return value ? std::optional(Part{*value, false, Unit::None}) : std::nullopt;
    }
    const auto top = strictParse(std::string_view(word).substr(0, slash));
    const auto bottom = strictParse(std::string_view(word).substr(slash + 1));
    if (!top || !bottom || !(*bottom > 0) || !(*top >= 0)) return std::nullopt;
    return Part{*top / *bottom, true, Unit::None};
}

// The numbers with their units, a fraction joined to the whole before it.
std::optional<std::vector<Part>> partsOf(std::string_view text) {
    std::vector<Part> parts;
    for (const std::string& word : wordsOf(text)) {
        if (const auto unit = unitNamed(word)) {
            if (parts.empty() || parts.back().unit != Unit::None) return std::nullopt;
            parts.back().unit = *unit;
            continue;
        }
        const auto number = numberPart(word);
        if (!number) return std::nullopt;
        if (number->fraction && !parts.empty() && parts.back().unit == Unit::None && !parts.back().fraction) {
            parts.back().value += number->value;
            parts.back().fraction = true;
            continue;
        }
        parts.push_back(*number);
    }
    return parts;
}

// Feet then inches, either alone; after feet a number without its unit is inches.
std::optional<double> metresOfParts(std::vector<Part> parts, CutUnits units) {
    if (parts.size() == 1 && parts[0].unit == Unit::None && units == CutUnits::Metres) parts[0].unit = Unit::Metres;
    if (parts.size() == 2 && parts[0].unit == Unit::Feet && parts[1].unit == Unit::None) parts[1].unit = Unit::Inches;
    if (parts.size() == 1 && parts[0].unit == Unit::Metres && !parts[0].fraction) return parts[0].value;
    double feet = 0, inches = 0;
    if (parts.empty() || parts.size() > 2) return std::nullopt;
    if (parts.size() == 2 && (parts[0].unit != Unit::Feet || parts[1].unit != Unit::Inches)) return std::nullopt;
    for (const Part& part : parts) {
        if (part.unit == Unit::Feet && !part.fraction)
            feet = part.value;
        else if (part.unit == Unit::Inches)
            inches = part.value;
        else
            return std::nullopt;
    }
    if (parts.size() == 2 && !(inches >= 0 && inches < kInchesPerFoot)) return std::nullopt;
    return (feet * kInchesPerFoot + inches) * kMetresPerInch;
}

}  // namespace

Outcome<double> typedLength(std::string_view text, CutUnits units) {
    const std::string shown(text);
    const auto parts = partsOf(text);
    const auto metres = parts ? metresOfParts(*parts, units) : std::nullopt;
    if (!metres)
        return refuse("\"" + shown + "\" is no length: type it as the list shows it, as in " +
                      (units == CutUnits::Metres ? "21.572 m" : "70 ft 9 5/16 in"));
    if (!(*metres > 0 && *metres < kMostMetres))
        return refuse(printfText("\"%s\" is no wire's length: above 0 and below %g m", shown.c_str(), kMostMetres));
    return *metres;
}

}  // namespace loopbeam::nec
