#include "nec/measured/touchstone_reader.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <numbers>
#include <string>

#include "nec/measured/number_fields.h"

namespace loopbeam::nec {
namespace {

enum class Parameter { S, Z, Y };
enum class Format { RI, MA, DB };

// The option line's choices, with the defaults of a file that gives none.
struct OptionLine {
    double hertzPerUnit = 1e9;
    Parameter parameter = Parameter::S;
    Format format = Format::MA;
    double referenceOhms = 50;
};

std::string lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
    return out;
}

// Empty when the line reads; else what is wrong with it.
std::string readOptionLine(std::string_view line, OptionLine& options) {
    const auto fields = fieldsOf(line.substr(1));
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::string word = lower(fields[i]);
        if (word == "hz" || word == "khz" || word == "mhz" || word == "ghz")
            options.hertzPerUnit = word == "hz" ? 1 : word == "khz" ? 1e3 : word == "mhz" ? 1e6 : 1e9;
        else if (word == "s" || word == "z" || word == "y")
            options.parameter = word == "s" ? Parameter::S : word == "z" ? Parameter::Z : Parameter::Y;
        else if (word == "h" || word == "g")
            return "holds " + std::string(fields[i]) + " parameters: only S, Z or Y describe a one-port";
        else if (word == "ri" || word == "ma" || word == "db")
            options.format = word == "ri" ? Format::RI : word == "ma" ? Format::MA : Format::DB;
        else if (word == "r") {
            const auto ohms = i + 1 < fields.size() ? numberOf(fields[i + 1]) : std::nullopt;
            if (!ohms || !(*ohms > 0)) return "the option line's R needs a reference resistance above 0 ohms";
            options.referenceOhms = *ohms;
            ++i;
        } else
            return "the option line holds \"" + std::string(fields[i].substr(0, 40)) +
                   "\": it takes a unit (Hz, kHz, MHz, GHz), S, Z or Y, RI, MA or DB, and R with the reference";
    }
    return {};
}

std::complex<double> valueOf(double a, double b, Format format) {
    if (format == Format::RI) return {a, b};
    const double magnitude = format == Format::MA ? a : std::pow(10.0, a / 20);
    return std::polar(magnitude, b * std::numbers::pi / 180);
}

std::optional<std::complex<double>> impedanceOf(std::complex<double> value, const OptionLine& options,
                                                bool normalised) {
    const double scale = normalised ? options.referenceOhms : 1;
    std::complex<double> z;
    switch (options.parameter) {
        case Parameter::S: return impedanceOfReflection(value, options.referenceOhms);
        case Parameter::Z: z = value * scale; break;
        case Parameter::Y: z = scale / value; break;
    }
    if (!std::isfinite(z.real()) || !std::isfinite(z.imag())) return std::nullopt;
    return z;
}

std::string portsText(std::string_view value) {
    return "the file describes " + std::string(value.substr(0, 20)) +
           " ports: only a one-port file (.s1p) holds an antenna's feed";
}

struct Reader {
    OptionLine options;
    bool haveOptions = false, version2 = false, inNetworkData = false, inInformation = false, ended = false;
    std::optional<std::size_t> declaredFrequencies;
    MeasuredSweep sweep;

    // Empty when the line reads; else what is wrong with it.
    std::string keyword(std::string_view line) {
        const std::size_t close = line.find(']');
        if (close == std::string_view::npos) return "a keyword needs its closing ]";
        const std::string name = lower(line.substr(1, close - 1));
        const auto fields = fieldsOf(line.substr(close + 1));
        const std::string_view value = fields.empty() ? std::string_view() : fields.front();
        if (name == "end information") inInformation = false;
        if (inInformation) return {};
        if (name == "version") {
            if (!value.starts_with("2."))
                return "version " + std::string(value.substr(0, 20)) + " is not one read here";
            version2 = true;
        } else if (name == "number of ports") {
            if (value != "1") return portsText(value);
        } else if (name == "two-port data order") {
            return portsText("2");
        } else if (name == "number of frequencies") {
            std::size_t count = 0;
            const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), count);
            if (value.empty() || error != std::errc() || end != value.data() + value.size())
                return "[Number of Frequencies] needs a whole number";
            declaredFrequencies = count;
        } else if (name == "reference") {
            const auto ohms = numberOf(value);
            if (!ohms || !(*ohms > 0)) return "[Reference] needs a resistance above 0 ohms";
            options.referenceOhms = *ohms;
        } else if (name == "network data") {
            inNetworkData = true;
        } else if (name == "begin information") {
            inInformation = true;
        } else if (name == "end" || name == "noise data") {
            ended = true;
        }
        return {};
    }

    std::string dataLine(std::string_view line) {
        if (version2 && !inNetworkData) return "data before [Network Data]";
        const auto fields = fieldsOf(line);
        std::array<double, 3> numbers{};
        for (std::size_t i = 0; i < fields.size() && i < numbers.size(); ++i) {
            const auto number = numberOf(fields[i]);
            if (!number) return notANumber(fields[i]);
            numbers[i] = *number;
        }
        if (fields.size() == 9) return portsText("2");
        if (fields.size() != 3)
            return "a one-port data line holds a frequency and two numbers, this one " + std::to_string(fields.size());
        const double mhz = megahertzOf(numbers[0], options.hertzPerUnit);
        if (!(mhz > 0)) return "the frequency must be above 0";
        if (!sweep.empty() && !(mhz > sweep.back().mhz)) return "frequencies not rising";
        if (sweep.size() == kMaxMeasuredPoints)
            return "more than " + std::to_string(kMaxMeasuredPoints) + " points: save a shorter sweep";
        const auto z = impedanceOf(valueOf(numbers[1], numbers[2], options.format), options, !version2);
        if (!z) return "an open circuit (no finite impedance)";
        sweep.push_back({mhz, *z});
        return {};
    }
};

}  // namespace

Outcome<MeasuredSweep> readTouchstone(std::string_view text) {
    Reader reader;
    std::size_t number = 0;
    for (std::size_t start = 0; start < text.size() && !reader.ended;) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++number;
        line = line.substr(0, line.find('!'));
        const auto fields = fieldsOf(line);
        if (fields.empty()) continue;
        line = line.substr(static_cast<std::size_t>(fields.front().data() - line.data()));
        std::string problem;
        if (line.front() == '[')
            problem = reader.keyword(line);
        else if (reader.inInformation)
            continue;
        else if (line.front() == '#') {
            // Only the first option line counts.
            if (!reader.haveOptions) problem = readOptionLine(line, reader.options);
            reader.haveOptions = true;
        } else
            problem = reader.dataLine(line);
        if (!problem.empty()) return refuse(onLine(number, problem));
    }
    if (reader.version2 && !reader.inNetworkData) return refuse("the file has no [Network Data]");
    if (reader.sweep.empty()) return refuse("the file holds no data lines");
    if (reader.declaredFrequencies && *reader.declaredFrequencies != reader.sweep.size())
        return refuse("[Number of Frequencies] says " + std::to_string(*reader.declaredFrequencies) +
                      " but the file holds " + std::to_string(reader.sweep.size()));
    return std::move(reader.sweep);
}

}  // namespace loopbeam::nec
