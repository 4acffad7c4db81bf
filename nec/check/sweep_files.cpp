#include "nec/check/sweep_files.h"

#include <cmath>

#include "nec/check/feed_match.h"
#include "nec/printf_text.h"

namespace loopbeam::nec {

void writeTouchstone(std::ostream& out, const CheckResult& result, std::span<const std::string> comments) {
    out << "! loopbeam NEC-2 check: S11 at the feed point against 50 ohms\n";
    for (const std::string& line : comments) out << "! " << line << '\n';
    out << "# MHz S RI R 50\n";
    for (const FrequencyPoint& p : result.sweep) {
        const std::complex<double> s11 = reflection(p.feedImpedance);
        out << printfText("%.10g %.8f %.8f\n", p.mhz, s11.real(), s11.imag());
    }
}

void writeSweepCsv(std::ostream& out, const CheckResult& result) {
    out << "frequency_MHz,R_ohm,X_ohm,SWR_50ohm_through_75ohm_section,SWR_50ohm_direct,forward_gain_dBi,"
           "front_to_back_dB,elevation_deg,front_to_rear_dB\n";
    for (const FrequencyPoint& p : result.sweep) {
        out << printfText("%.10g,%.6g,%.6g,%.4f,%.4f,", p.mhz, p.feedImpedance.real(), p.feedImpedance.imag(),
                          p.swrThroughSection, p.swrDirect);
        // Gain and F/B come only from a solve: blank at a fitted frequency; F/R also where the rear was not asked.
        out << (p.solved ? printfText("%.2f,%.2f,%.0f,", p.forwardGainDbi, p.frontToBackDb, p.elevationDegrees)
                         : std::string(",,,"));
        out << (p.solved && !std::isnan(p.frontToRearDb) ? printfText("%.2f\n", p.frontToRearDb) : std::string("\n"));
    }
}

}  // namespace loopbeam::nec
