// The single and double text forms of any bit pattern.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "common/parse.h"
#include "common/text_forms.h"
#include "fuzz/fuzz_check.h"

namespace {

// The text stays within its budget, uses only the form's characters, and
// reads back exactly as the C library's correctly rounded %.*e of the value.
// Near the largest double the rounded value lies beyond the 64-bit range
// (1.79769313486232E+308): then the strict parse must refuse it.
void checkForm(double value, const std::string& text, int digits, std::size_t budget) {
    FUZZ_CHECK(!text.empty() && text.size() <= budget);
    FUZZ_CHECK(text.find_first_not_of("0123456789.E+-") == std::string::npos);
    char reference[64];
    std::snprintf(reference, sizeof reference, "%.*e", digits - 1, value);
    const double rounded = std::strtod(reference, nullptr);
    const auto back = loopbeam::strictParse(text);
    if (std::isinf(rounded)) {
        FUZZ_CHECK(!back.has_value());
        return;
    }
    FUZZ_CHECK(back.has_value());
    FUZZ_CHECK(*back == rounded);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size >= sizeof(float)) {
        float single;
        std::memcpy(&single, data, sizeof single);
        if (std::isfinite(single)) checkForm(single, loopbeam::singleText(single).str(), 7, 13);
    }
    if (size >= sizeof(double)) {
        double value;
        std::memcpy(&value, data, sizeof value);
        if (std::isfinite(value)) checkForm(value, loopbeam::doubleText(value).str(), 15, 22);
    }
    return 0;
}
