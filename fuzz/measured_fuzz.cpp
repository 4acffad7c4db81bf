// An analyser's file, Touchstone and CSV alike, from arbitrary bytes: a sweep
// read is rising and finite, or refused with a message.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "nec/measured/csv_sweep_reader.h"
#include "nec/measured/touchstone_reader.h"

namespace {

void checkSweep(const loopbeam::nec::Outcome<loopbeam::nec::MeasuredSweep>& sweep) {
    if (!sweep) {
        FUZZ_CHECK(!sweep.error().message.empty());
        return;
    }
    FUZZ_CHECK(!sweep->empty() && sweep->size() <= loopbeam::nec::kMaxMeasuredPoints);
    double previous = 0;
    for (const loopbeam::nec::MeasuredPoint& p : *sweep) {
        FUZZ_CHECK(p.mhz > previous && std::isfinite(p.mhz));
        FUZZ_CHECK(std::isfinite(p.impedance.real()) && std::isfinite(p.impedance.imag()));
        previous = p.mhz;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkSweep(loopbeam::nec::readTouchstone(text));
    checkSweep(loopbeam::nec::readCsvSweep(text));
    return 0;
}
