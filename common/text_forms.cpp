#include "common/text_forms.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace loopbeam {
namespace {

struct FormRules {
    int significantDigits;  // 7 or 15
    int plainBelowExponent;  // plain form only below 10 to this power
    int maxDigitsAfterPoint;
};

constexpr FormRules kSingleRules{7, 7, 7};
constexpr FormRules kDoubleRules{15, 15, 15};

// Significant digits without trailing zeros, and the decimal exponent of the first.
struct Decimal {
    char digits[24];
    int count;
    int exponent;
};

Decimal roundToDigits(double magnitude, int significantDigits) {
    char buf[40];
    auto end = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific,
                             significantDigits - 1)
                   .ptr;
    Decimal d{};
    const char* p = buf;
    for (; p != end && *p != 'e'; ++p)
        if (*p != '.') d.digits[d.count++] = *p;
    std::from_chars(p + 1 + (p[1] == '+'), end, d.exponent);
    while (d.count > 1 && d.digits[d.count - 1] == '0') --d.count;
    return d;
}

void appendExponent(std::string& out, int exponent) {
    out += 'E';
    out += exponent < 0 ? '-' : '+';
    int e = std::abs(exponent);
    if (e < 10) out += '0';
    out += std::to_string(e);
}

std::string layout(const Decimal& d, bool negative, const FormRules& rules) {
    std::string out;
    if (negative) out += '-';
    const int digitsAfterPoint = d.count - 1 - d.exponent;
    const bool plain = d.exponent < rules.plainBelowExponent && digitsAfterPoint <= rules.maxDigitsAfterPoint;
    if (!plain) {
        out += d.digits[0];
        if (d.count > 1) {
            out += '.';
            out.append(d.digits + 1, d.count - 1);
        }
        appendExponent(out, d.exponent);
    } else if (d.exponent < 0) {
        out += "0.";
        out.append(-d.exponent - 1, '0');
        out.append(d.digits, d.count);
    } else {
        const int integerDigits = d.exponent + 1;
        if (d.count <= integerDigits) {
            out.append(d.digits, d.count);
            out.append(integerDigits - d.count, '0');
        } else {
            out.append(d.digits, integerDigits);
            out += '.';
            out.append(d.digits + integerDigits, d.count - integerDigits);
        }
    }
    return out;
}

std::string numberText(double value, const FormRules& rules) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value < 0 ? "-Infinity" : "Infinity";
    if (value == 0) return "0";  // negative zero too: a "-0" would only confuse
    return layout(roundToDigits(std::fabs(value), rules.significantDigits), value < 0, rules);
}

}  // namespace

std::string singleText(float value) { return numberText(value, kSingleRules); }
std::string doubleText(double value) { return numberText(value, kDoubleRules); }
std::string integerText(std::int16_t value) { return std::to_string(value); }

}  // namespace loopbeam
