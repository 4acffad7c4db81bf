#include "common/text_forms.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>
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
    int count;
    int exponent;
};

// The general, always exact conversion.
Decimal fromScientificText(double magnitude, int significantDigits) {
    char buf[40];
    const char* end =
        std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, significantDigits - 1).ptr;
    Decimal d{};
    const char* p = buf;
    for (; p != end && *p != 'e'; ++p)
        if (*p != '.') d.digits[d.count++] = *p;
    std::from_chars(p + 1 + (p[1] == '+'), end, d.exponent);
    return d;
}

constexpr std::array<double, 23> kPowersOfTen{
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};  // all exact

constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

void writeDigits(std::uint32_t value, char* first, int count) {
    char* p = first + count;
    for (; count >= 2; count -= 2, value /= 100) {
        p -= 2;
        std::memcpy(p, kDigitPairs + 2 * (value % 100), 2);
    }
    if (count == 1) *--p = static_cast<char>('0' + value % 10);
}

// Two independent 32-bit halves run faster than one 64-bit chain of divisions.
void writeDigits(std::uint64_t value, char* first, int count) {
    if (count <= 8) return writeDigits(static_cast<std::uint32_t>(value), first, count);
    writeDigits(static_cast<std::uint32_t>(value / 100000000), first, count - 8);
    writeDigits(static_cast<std::uint32_t>(value % 100000000), first + count - 8, 8);
}

// a x b exactly as hi + lo (Dekker's product; no fused multiply-add needed).
struct ExactProduct {
    double hi, lo;
};

[[gnu::always_inline]] inline ExactProduct twoProduct(double a, double b) {
    const auto split = [](double v, double& high, double& low) {
        const double c = 134217729.0 * v;  // 2 to the 27th plus 1
        high = c - (c - v);
        low = v - high;
    };
    double ah, al, bh, bl;
    split(a, ah, al);
    split(b, bh, bl);
    const double p = a * b;
    return {p, ((ah * bh - p) + ah * bl + al * bh) + al * bl};
}

// Scales the magnitude by an exact power of ten to an integer part of the
// wanted number of digits, and rounds the exact scaled value half to even:
// the scaled double plus the sign of what its rounding lost decide every case.
// Subnormals and exponents beyond the exact powers take the general conversion.
bool scaledRound(double magnitude, int significantDigits, Decimal& d) {
    const auto bits = std::bit_cast<std::uint64_t>(magnitude);
    const int biased = static_cast<int>(bits >> 52);
    if (biased == 0) return false;
    int exponent = ((biased - 1023) * 78913) >> 18;  // floor(log10(2) x binary exponent), maybe one low
    const double low = kPowersOfTen[significantDigits - 1], high = kPowersOfTen[significantDigits];
    double scaled = 0, lost = 0;
    for (int attempt = 0;; ++attempt) {
        const int scale = significantDigits - 1 - exponent;
        if (attempt == 3 || scale > 22 || scale < -22) return false;
        if (scale >= 0 && significantDigits == 7 && scale <= 12) {
            // A float's 24 bits times 5 to at most the 12th (28 bits) fit in 53: exact.
            scaled = magnitude * kPowersOfTen[scale];
            lost = 0;
        } else if (scale >= 0) {
            const ExactProduct product = twoProduct(magnitude, kPowersOfTen[scale]);
            scaled = product.hi;
            lost = product.lo;
        } else {
            const double divisor = kPowersOfTen[-scale];
            scaled = magnitude / divisor;
            const ExactProduct back = twoProduct(scaled, divisor);
            lost = (magnitude - back.hi) - back.lo;  // the exact remainder: same sign as what was lost
        }
        if (scaled >= high)
            ++exponent;
        else if (scaled < low)
            --exponent;
        else
            break;
    }
    auto integer = static_cast<std::uint64_t>(scaled);  // below 2 to the 53rd: exact floor
    const double fraction = scaled - static_cast<double>(integer);
    const bool roundUp = fraction > 0.5 || (fraction == 0.5 && (lost > 0 || (lost == 0 && integer % 2 == 1)));
    if (roundUp) ++integer;
    if (integer == static_cast<std::uint64_t>(high)) {
        integer /= 10;
        ++exponent;
    }
    writeDigits(integer, d.digits, significantDigits);
    d.count = significantDigits;
    d.exponent = exponent;
    return true;
}

Decimal roundToDigits(double magnitude, int significantDigits) {
    Decimal d{};
    if (!scaledRound(magnitude, significantDigits, d)) d = fromScientificText(magnitude, significantDigits);
    while (d.count > 1 && d.digits[d.count - 1] == '0') --d.count;
    return d;
}

// Byte loops: the runs are a few characters, shorter than a library call's set-up.
char* put(char* out, const char* text, int count) {
    for (int i = 0; i < count; ++i) *out++ = text[i];
    return out;
}

char* putZeros(char* out, int count) {
    for (int i = 0; i < count; ++i) *out++ = '0';
    return out;
}

ShortText layout(const Decimal& d, bool negative, const FormRules& rules) {
    ShortText text;
    char* out = text.chars;
    if (negative) *out++ = '-';
    const int digitsAfterPoint = d.count - 1 - d.exponent;
    const bool plain = d.exponent < rules.plainBelowExponent && digitsAfterPoint <= rules.maxDigitsAfterPoint;
    if (!plain) {
        *out++ = d.digits[0];
        if (d.count > 1) {
            *out++ = '.';
            out = put(out, d.digits + 1, d.count - 1);
        }
        *out++ = 'E';
        *out++ = d.exponent < 0 ? '-' : '+';
        const int e = d.exponent < 0 ? -d.exponent : d.exponent;
        if (e < 10) *out++ = '0';
        out = std::to_chars(out, text.chars + sizeof text.chars, e).ptr;
    } else if (d.exponent < 0) {
        out = put(out, "0.", 2);
        out = putZeros(out, -d.exponent - 1);
        out = put(out, d.digits, d.count);
    } else {
        const int integerDigits = d.exponent + 1;
        if (d.count <= integerDigits) {
            out = put(out, d.digits, d.count);
            out = putZeros(out, integerDigits - d.count);
        } else {
            out = put(out, d.digits, integerDigits);
            *out++ = '.';
            out = put(out, d.digits + integerDigits, d.count - integerDigits);
        }
    }
    text.size = static_cast<std::uint8_t>(out - text.chars);
    return text;
}

// Whole numbers below the exponent form, such as the whole feet and metres,
// are their own text.
ShortText wholeShortText(double value) {
    ShortText text;
    const char* end = std::to_chars(text.chars, text.chars + sizeof text.chars, static_cast<std::int64_t>(value)).ptr;
    text.size = static_cast<std::uint8_t>(end - text.chars);
    return text;
}

ShortText numberText(double value, const FormRules& rules) {
    if (std::isnan(value)) return ShortText("NaN");
    if (std::isinf(value)) return ShortText(value < 0 ? "-Infinity" : "Infinity");
    if (value == 0) return ShortText("0");  // negative zero too: a "-0" would only confuse
    const double plainLimit = kPowersOfTen[rules.plainBelowExponent];
    if (std::fabs(value) < plainLimit && static_cast<double>(static_cast<std::int64_t>(value)) == value)
        return wholeShortText(value);
    return layout(roundToDigits(std::fabs(value), rules.significantDigits), value < 0, rules);
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const ShortText& text) { return out << text.view(); }

ShortText singleText(float value) { return numberText(value, kSingleRules); }
ShortText doubleText(double value) { return numberText(value, kDoubleRules); }
std::string integerText(std::int16_t value) { return std::to_string(value); }

}  // namespace loopbeam
