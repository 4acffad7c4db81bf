#include "nec/measured/measurement_file.h"

#include <algorithm>
#include <cctype>
#include <iterator>

#include "common/shown_name.h"
#include "nec/measured/csv_sweep_reader.h"
#include "nec/measured/text_file.h"
#include "nec/measured/touchstone_reader.h"
#include "nec/printf_text.h"

namespace loopbeam::nec {
namespace {

std::string extensionOf(const std::string& path) {
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || path.find('/', dot) != std::string::npos) return {};
    std::string extension = path.substr(dot + 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return std::tolower(c); });
    return extension;
}

// ".s1p", ".s2p", ".ts": Touchstone by name, whatever the first line.
bool namedTouchstone(const std::string& extension) {
    return extension == "ts" || (extension.size() == 3 && extension.front() == 's' && extension.back() == 'p' &&
                                 std::isdigit(static_cast<unsigned char>(extension[1])));
}

// Touchstone's first line that is not blank is a comment, the option line or a keyword.
bool looksLikeTouchstone(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    return first == std::string::npos || text[first] == '!' || text[first] == '#' || text[first] == '[';
}

}  // namespace

Outcome<MeasuredSweep> readMeasurementFile(const std::string& path) {
    const std::string name = shownFileName(path);
    auto read = readTextFile(
        path, kMaxMeasurementBytes,
        printfText("%zu MB, more than any analyser's sweep; save a shorter one", kMaxMeasurementBytes >> 20));
    if (!read) return refuse(read.error().message);
    const std::string& text = *read;
    const std::string extension = extensionOf(path);
    const bool touchstone = extension != "csv" && (namedTouchstone(extension) || looksLikeTouchstone(text));
    auto sweep = touchstone ? readTouchstone(text) : readCsvSweep(text);
    if (!sweep) return refuse(name + ": " + sweep.error().message);
    return sweep;
}

Outcome<MeasuredSweep> pointsWithin(const MeasuredSweep& sweep, double lowMHz, double highMHz) {
    MeasuredSweep inside;
    std::copy_if(sweep.begin(), sweep.end(), std::back_inserter(inside),
                 [&](const MeasuredPoint& p) { return p.mhz >= lowMHz && p.mhz <= highMHz; });
    if (inside.empty())
        return refuse(
            printfText("no point of the measurement (%.6g to %.6g MHz) lies inside the design's sweep, %.6g "
                       "to %.6g MHz: measure over the band the design is for",
                       sweep.front().mhz, sweep.back().mhz, lowMHz, highMHz));
    return inside;
}

}  // namespace loopbeam::nec
