#include "common/parse.h"

#include <charconv>
#include <limits>
#include <string>

namespace loopbeam {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Length of the number at the start of s ([sign] digits [. digits] [E [sign] digits],
// at least one mantissa digit), or 0 when there is none.
std::size_t numberPrefix(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t mantissaDigits = 0;
    while (i < s.size() && isDigit(s[i])) ++i, ++mantissaDigits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) ++i, ++mantissaDigits;
    }
    if (mantissaDigits == 0) return 0;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        const std::size_t exponentStart = j;
        while (j < s.size() && isDigit(s[j])) ++j;
        if (j > exponentStart) i = j;
    }
    return i;
}

// True when the number's magnitude is at least 1, so that a range error from
// the conversion is an overflow rather than an underflow.
bool atLeastOne(std::string_view number) {
    long long position = 0;  // decimal exponent of the first significant digit, plus one
    bool seenPoint = false, seenSignificant = false;
    std::size_t i = 0;
    for (; i < number.size() && number[i] != 'E' && number[i] != 'e'; ++i) {
        const char c = number[i];
        if (c == '.') {
            seenPoint = true;
        } else if (isDigit(c)) {
            if (!seenSignificant && c != '0') seenSignificant = true;
            if (seenSignificant && !seenPoint) ++position;
            if (!seenSignificant && seenPoint) --position;
        }
    }
    if (!seenSignificant) return false;
    if (i < number.size()) {
        long long exponent = 0;
        std::string_view e = number.substr(i + 1);
        const bool negative = !e.empty() && e[0] == '-';
        if (!e.empty() && (e[0] == '+' || e[0] == '-')) e.remove_prefix(1);
        for (char c : e) exponent = std::min<long long>(exponent * 10 + (c - '0'), 1'000'000'000);
        position += negative ? -exponent : exponent;
    }
    return position > 0;
}

// Converts a text that numberPrefix accepted whole; overflow gives an infinity.
double convert(std::string_view number) {
    const bool negative = number[0] == '-';
    if (number[0] == '+' || number[0] == '-') number.remove_prefix(1);
    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        value = atLeastOne(number) ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -value : value;
}

}  // namespace

bool hasNumberForm(std::string_view text) {
    text = trimmed(text);
    return !text.empty() && numberPrefix(text) == text.size();
}

std::optional<double> strictParse(std::string_view text) {
    if (!hasNumberForm(text)) return std::nullopt;
    const double value = convert(trimmed(text));
    if (value == std::numeric_limits<double>::infinity() || value == -std::numeric_limits<double>::infinity())
        return std::nullopt;
    return value;
}

double lenientParse(std::string_view text) {
    std::string compact;
    compact.reserve(text.size());
    for (char c : text)
        if (!isBlank(c) && c != '\n' && c != '\r') compact += c;
    const std::size_t length = numberPrefix(compact);
    return length == 0 ? 0.0 : convert(std::string_view(compact).substr(0, length));
}

}  // namespace loopbeam
