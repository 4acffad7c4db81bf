#include "nec/band/band_text.h"

#include <cmath>

#include "common/parse.h"

namespace loopbeam::nec {

Outcome<Band> bandOfTexts(std::string_view low, std::string_view high) {
    const auto lowMHz = strictParse(low), highMHz = strictParse(high);
    const Band band{lowMHz.value_or(NAN), highMHz.value_or(NAN)};
    if (auto fault = bandFault(band)) return refuse(*fault);
    return band;
}

}  // namespace loopbeam::nec
