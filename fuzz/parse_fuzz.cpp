// The strict and lenient parses on arbitrary text.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "common/parse.h"
#include "common/text_forms.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto strict = loopbeam::strictParse(text);
    const double lenient = loopbeam::lenientParse(text);
    FUZZ_CHECK(!std::isnan(lenient));
    if (strict) {
        FUZZ_CHECK(std::isfinite(*strict));
        // A text that is one number reads the same both ways.
        FUZZ_CHECK(lenient == *strict);
        // Its double text form reads back strictly, to the value rounded to 15 digits.
        const auto back = loopbeam::strictParse(loopbeam::doubleText(*strict).view());
        FUZZ_CHECK(back.has_value());
        FUZZ_CHECK(*back == 0 || std::fabs(*back - *strict) <= std::fabs(*strict) * 1e-14);
    }
    return 0;
}
