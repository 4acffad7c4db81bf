#include "common/text_forms.h"

#include <charconv>
#include <cmath>
#include <ostream>

namespace loopbeam {
namespace {

struct FormRules {
    int significantDigits;   // 7 or 15
    int plainBelowExponent;  // plain form only below 10 to this power
    int maxDigitsAfterPoint;
};

constexpr FormRules kSingleRules{7, 7, 7};
constexpr FormRules kDoubleRules{15, 15, 15};

// Significant digits without trailing zeros, and the decimal exponent of the first.
struct Decimal {
    char digits[24];
    int count = 0;
    int exponent = 0;
};

// std::to_chars rounds the exact binary value correctly, half to even.
Decimal roundToDigits(double magnitude, int significantDigits) {
    char scientific[40];
    const char* end = std::to_chars(scientific, scientific + sizeof scientific, magnitude,
                                    std::chars_format::scientific, significantDigits - 1)
                          .ptr;
    Decimal d;
    const char* p = scientific;
    for (; p != end && *p != 'e'; ++p)
        if (*p != '.') d.digits[d.count++] = *p;
    std::from_chars(p + 1 + (p[1] == '+'), end, d.exponent);
    while (d.count > 1 && d.digits[d.count - 1] == '0') --d.count;
    return d;
}

ShortText layout(const Decimal& d, bool negative, const FormRules& rules) {
    std::string text = negative ? "-" : "";
    const std::string_view digits(d.digits, static_cast<std::size_t>(d.count));
    const int digitsAfterPoint = d.count - 1 - d.exponent;
    const bool plain = d.exponent < rules.plainBelowExponent && digitsAfterPoint <= rules.maxDigitsAfterPoint;
    if (!plain) {
        text += digits.substr(0, 1);
        if (d.count > 1) text.append(".").append(digits.substr(1));
        const int e = std::abs(d.exponent);
        text.append(d.exponent < 0 ? "E-" : "E+").append(e < 10 ? "0" : "").append(std::to_string(e));
    } else if (d.exponent < 0) {
        text.append("0.").append(static_cast<std::size_t>(-d.exponent - 1), '0').append(digits);
    } else {
        const auto integerDigits = static_cast<std::size_t>(d.exponent + 1);
        text += digits.substr(0, integerDigits);
        if (digits.size() <= integerDigits)
            text.append(integerDigits - digits.size(), '0');
        else
            text.append(".").append(digits.substr(integerDigits));
    }
    return ShortText(text);
}

ShortText numberText(double value, const FormRules& rules) {
    if (std::isnan(value)) return ShortText("NaN");
    if (std::isinf(value)) return ShortText(value < 0 ? "-Infinity" : "Infinity");
    if (value == 0) return ShortText("0");  // negative zero too: a "-0" would only confuse
    return layout(roundToDigits(std::fabs(value), rules.significantDigits), value < 0, rules);
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const ShortText& text) { return out << text.view(); }

ShortText singleText(float value) { return numberText(value, kSingleRules); }
ShortText doubleText(double value) { return numberText(value, kDoubleRules); }
std::string integerText(std::int16_t value) { return std::to_string(value); }

}  // namespace loopbeam
