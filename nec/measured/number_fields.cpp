#include "nec/measured/number_fields.h"

#include <charconv>
#include <cmath>

namespace loopbeam::nec {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace

std::vector<std::string_view> fieldsOf(std::string_view line, char separator) {
    std::vector<std::string_view> fields;
    if (separator != '\0') {
        for (std::size_t start = 0;;) {
            const std::size_t end = line.find(separator, start);
            fields.push_back(trimmed(line.substr(start, end == std::string_view::npos ? end : end - start)));
            if (end == std::string_view::npos) break;
            start = end + 1;
        }
        return fields;
    }
    for (std::size_t i = 0; i < line.size();) {
        while (i < line.size() && isBlank(line[i])) ++i;
        const std::size_t start = i;
        while (i < line.size() && !isBlank(line[i])) ++i;
        if (i > start) fields.push_back(line.substr(start, i - start));
    }
    return fields;
}

std::optional<double> numberOf(std::string_view field) {
    // from_chars takes no plus sign; an analyser may write one.
    if (field.size() > 1 && field.front() == '+' && field[1] != '-') field.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (field.empty() || error != std::errc() || end != field.data() + field.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::string onLine(std::size_t line, std::string_view problem) {
    return "line " + std::to_string(line) + ": " + std::string(problem);
}

std::string notANumber(std::string_view field) {
    const bool decimalComma = field.find(',') != std::string_view::npos;
    return "\"" + std::string(field.substr(0, 40)) + "\" is not a number" +
           (decimalComma ? " (numbers need a decimal point, not a comma)" : "");
}

std::optional<std::complex<double>> impedanceOfReflection(std::complex<double> s, double referenceOhms) {
    const std::complex<double> z = referenceOhms * (1.0 + s) / (1.0 - s);
    if (!std::isfinite(z.real()) || !std::isfinite(z.imag())) return std::nullopt;
    return z;
}

}  // namespace loopbeam::nec
