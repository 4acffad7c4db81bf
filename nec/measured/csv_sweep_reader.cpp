#include "nec/measured/csv_sweep_reader.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "nec/check/feed_match.h"
#include "nec/measured/number_fields.h"

namespace loopbeam::nec {
namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

struct Columns {
    std::size_t frequency = kNone, r = kNone, x = kNone, re = kNone, im = kNone;
    double hertzPerUnit = 1e6;
    bool reflection = false;  // S11's parts rather than R and X
};

// "Frequency (MHz)" -> "frequency(mhz)": lower case, no blanks or quotes.
std::string plainName(std::string_view name) {
    std::string out;
    for (const char c : name)
        if (c != ' ' && c != '"' && c != '\'' && c != '\t')
            out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// The name without its unit: "r_ohm", "r(ohm)" and "r[ohms]" are all "r".
std::string stem(const std::string& name) {
    std::string out = name.substr(0, name.find_first_of("([_"));
    if (name.starts_with("s11")) {
        // "s11_re", "s11re", "re(s11)" alike
        out = name.substr(3);
        out.erase(std::remove_if(out.begin(), out.end(), [](char c) { return c == '_' || c == '(' || c == ')'; }),
                  out.end());
    } else if (const auto open = name.find('('); open != std::string::npos && name.find("s11") != std::string::npos)
        out = name.substr(0, open);
    return out;
}

double unitOf(const std::string& name) {
    if (name.find("ghz") != std::string::npos) return 1e9;
    if (name.find("mhz") != std::string::npos) return 1e6;
    if (name.find("khz") != std::string::npos) return 1e3;
    if (name.find("hz") != std::string::npos) return 1;
    return 1e6;
}

std::optional<Columns> columnsOf(const std::vector<std::string_view>& header) {
    Columns columns;
    for (std::size_t i = 0; i < header.size(); ++i) {
        const std::string name = plainName(header[i]);
        const std::string word = stem(name);
        if (name.starts_with("freq") && columns.frequency == kNone) {
            columns.frequency = i;
            columns.hertzPerUnit = unitOf(name);
        } else if ((word == "r" || word == "resistance") && columns.r == kNone)
            columns.r = i;
        else if ((word == "x" || word == "reactance") && columns.x == kNone)
            columns.x = i;
        else if ((word == "re" || word == "real") && columns.re == kNone)
            columns.re = i;
        else if ((word == "im" || word == "imag") && columns.im == kNone)
            columns.im = i;
    }
    if (columns.frequency == kNone) return std::nullopt;
    if (columns.r != kNone && columns.x != kNone) return columns;
    if (columns.re == kNone || columns.im == kNone) return std::nullopt;
    columns.reflection = true;
    columns.r = columns.re;
    columns.x = columns.im;
    return columns;
}

}  // namespace

Outcome<MeasuredSweep> readCsvSweep(std::string_view text) {
    std::optional<Columns> columns;
    char separator = ',';
    MeasuredSweep sweep;
    std::size_t number = 0;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++number;
        const auto words = fieldsOf(line);
        if (words.empty() || words.front().starts_with("#") || words.front().starts_with("!")) continue;
        if (!columns) {
            separator = line.find(';') != std::string_view::npos ? ';' : ',';
            columns = columnsOf(fieldsOf(line, separator));
            if (!columns)
                return refuse(onLine(number,
                                     "the header needs a frequency column (freq, frequency) and R and X, or S11's "
                                     "re and im"));
            continue;
        }
        const auto fields = fieldsOf(line, separator);
        const std::size_t needed = std::max({columns->frequency, columns->r, columns->x}) + 1;
        if (fields.size() < needed)
            return refuse(onLine(number, "holds " + std::to_string(fields.size()) + " fields, the header " +
                                             std::to_string(needed) + " or more"));
        double values[3];
        const std::size_t at[3] = {columns->frequency, columns->r, columns->x};
        for (int i = 0; i < 3; ++i) {
            const auto value = numberOf(fields[at[i]]);
            if (!value) return refuse(onLine(number, notANumber(fields[at[i]])));
            values[i] = *value;
        }
        const double mhz = megahertzOf(values[0], columns->hertzPerUnit);
        if (!(mhz > 0)) return refuse(onLine(number, "the frequency must be above 0"));
        if (!sweep.empty() && !(mhz > sweep.back().mhz)) return refuse(onLine(number, "frequencies not rising"));
        if (sweep.size() == kMaxMeasuredPoints)
            return refuse(
                onLine(number, "more than " + std::to_string(kMaxMeasuredPoints) + " points: save a shorter sweep"));
        std::complex<double> z(values[1], values[2]);
        if (columns->reflection) {
            const auto fromReflection = impedanceOfReflection(z, kSystemOhms);
            if (!fromReflection) return refuse(onLine(number, "an open circuit (no finite impedance)"));
            z = *fromReflection;
        }
        sweep.push_back({mhz, z});
    }
    if (!columns) return refuse("the file is empty");
    if (sweep.empty()) return refuse("the file holds no rows under its header");
    return sweep;
}

}  // namespace loopbeam::nec
