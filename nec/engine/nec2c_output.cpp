#include "nec/engine/nec2c_output.h"

#include <cmath>
#include <optional>

#include "common/parse.h"
#include "nec/engine/output_bounds.h"
#include "nec/model/deck_writer.h"
#include "nec/printf_text.h"

namespace loopbeam::nec {

namespace {

constexpr std::string_view kFrequencyLine = "FREQUENCY :";
constexpr std::string_view kPatternLine = "RADIATION PATTERNS";
constexpr std::string_view kPatternHeaderEnd = " DEGREES";
constexpr std::string_view kCardEcho = "DATA CARD No:";
constexpr double kPrintedFrequencyTolerance = 5.01e-5;  // 5 significant digits
constexpr double kPrintedAngleTolerance = 0.006;        // 2 decimals

bool contains(std::string_view line, std::string_view part) { return line.find(part) != std::string_view::npos; }

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

std::vector<std::string_view> tokens(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (true) {
        i = line.find_first_not_of(" \t\r", i);
        if (i == std::string_view::npos) return words;
        const std::size_t end = std::min(line.find_first_of(" \t\r", i), line.size());
        words.push_back(line.substr(i, end - i));
        i = end;
    }
}

std::optional<double> number(std::string_view word) { return strictParse(word); }

// The lines of one frequency's block, from its FREQUENCY line to the next.
using Block = std::span<const std::string_view>;

std::optional<std::size_t> find(Block block, std::string_view part, std::size_t from = 0) {
    for (std::size_t i = from; i < block.size(); ++i)
        if (contains(block[i], part)) return i;
    return std::nullopt;
}

Outcome<double> printedFrequency(std::string_view line) {
    const auto words = tokens(line.substr(line.find(kFrequencyLine) + kFrequencyLine.size()));
    const auto mhz = words.size() == 2 && words[1] == "MHz" ? number(words[0]) : std::nullopt;
    if (!mhz) return refuse("the frequency line cannot be read");
    return *mhz;
}

Outcome<std::complex<double>> feedImpedance(Block block, const FeedSegment& feed) {
    const auto at = find(block, kSolvedMarker);
    if (!at || *at + 3 >= block.size()) return refuse("the feed impedance is missing");
    const auto words = tokens(block[*at + 3]);  // after two header lines
    if (words.size() != 11) return refuse("the feed impedance line cannot be read");
    if (number(words[0]) != feed.tag || number(words[1]) != feed.number)
        return refuse("the feed impedance is given for another segment");
    const auto r = number(words[6]), x = number(words[7]);
    if (!r || !x) return refuse("the feed impedance cannot be read");
    return std::complex<double>(*r, *x);
}

// One cut's directions, from the pattern title at or after line `from`; `from`
// moves past them.
Outcome<std::vector<Direction>> pattern(Block block, const PatternGrid& grid, std::size_t& from) {
    const auto title = find(block, kPatternLine, from);
    const auto header = title ? find(block, kPatternHeaderEnd, *title) : std::nullopt;
    if (!header) return refuse("the radiation pattern is missing");
    std::vector<Direction> directions;
    for (int p = 0; p < grid.phiCount; ++p)
        for (int t = 0; t < grid.thetaCount; ++t) {
            const std::size_t row = *header + 1 + directions.size();
            const auto words = row < block.size() ? tokens(block[row]) : std::vector<std::string_view>{};
            constexpr const char* kUnreadable = "the radiation pattern ends early or cannot be read";
            if (words.size() < 5) return refuse(kUnreadable);
            const auto theta = number(words[0]), phi = number(words[1]), gain = number(words[4]);
            const double wantTheta = grid.thetaStart + t * grid.thetaStep;
            const double wantPhi = grid.phiStart + p * grid.phiStep;
            if (!theta || !phi || !gain) return refuse(kUnreadable);
            if (std::abs(*theta - wantTheta) > kPrintedAngleTolerance ||
                std::abs(*phi - wantPhi) > kPrintedAngleTolerance)
                return refuse("the radiation pattern is given for other directions");
            directions.push_back({*theta, *phi, *gain});
        }
    from = *header + 1 + directions.size();
    return directions;
}

Outcome<FrequencyOutput> readBlock(Block block, const FrequencyRequest& request, const FeedSegment& feed,
                                   bool overGround) {
    auto printed = printedFrequency(block.front());
    if (!printed) return Refused{printed.error()};
    if (std::abs(*printed - request.mhz) > kPrintedFrequencyTolerance * request.mhz)
        return refuse(printfText("it gives %.5g MHz instead", *printed));
    auto impedance = feedImpedance(block, feed);
    if (!impedance) return Refused{impedance.error()};
    FrequencyOutput out{*impedance, {}, {}, {}};
    std::size_t from = 0;
    for (const PatternGrid& cut : requestedCuts(overGround, request)) {
        auto directions = pattern(block, cut, from);
        if (!directions) return Refused{directions.error()};
        out.patterns.push_back(std::move(*directions));
    }
    if (request.rearHalf) {
        out.rearHalf = std::move(out.patterns.back());
        out.patterns.pop_back();
    }
    if (request.refine) {
        auto directions = pattern(block, fineCut(*request.refine), from);
        if (!directions) return Refused{directions.error()};
        out.fine = std::move(*directions);
    }
    return out;
}

}  // namespace

Outcome<std::vector<FrequencyOutput>> readNec2cOutput(std::string_view output,
                                                      std::span<const FrequencyRequest> requests,
                                                      const FeedSegment& feed, bool overGround) {
    const std::vector<std::string_view> lines = splitLines(output);
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (contains(lines[i], kFrequencyLine)) starts.push_back(i);
    const auto fault = [&](const std::string& what) {
        return refuse("nec2c's output is not as expected (" + what + "); no figures are shown.");
    };
    if (starts.size() != requests.size())
        return fault(countText(requests.size(), "frequency", "frequencies") + " asked, " +
                     std::to_string(starts.size()) + " answered");

    std::vector<FrequencyOutput> results;
    for (std::size_t k = 0; k < starts.size(); ++k) {
        const std::size_t end = k + 1 < starts.size() ? starts[k + 1] : lines.size();
        const Block block(lines.data() + starts[k], end - starts[k]);
        const std::string where = printfText("at %s MHz, frequency %zu of %zu",
                                             deckFrequencyText(requests[k].mhz).c_str(), k + 1, requests.size());
        auto read = readBlock(block, requests[k], feed, overGround);
        if (!read) return fault(where + ": " + read.error().message);
        if (const auto beyond = beyondBounds(*read)) return refuse(notBelieved(where, *beyond));
        results.push_back(std::move(*read));
    }
    if (starts.empty() || !find(Block(lines.data() + starts.back(), lines.size() - starts.back()), kFinishedMarker))
        return fault("it ends before nec2c finished");
    return results;
}

std::string nec2cComplaint(std::string_view output) {
    const std::vector<std::string_view> lines = splitLines(output);
    std::optional<std::size_t> echo;
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (contains(lines[i], kCardEcho)) echo = i;
    std::size_t from = lines.size();
    if (echo) {
        from = *echo + 1;
    } else {  // without an echoed card, the last line said
        while (from > 0 && tokens(lines[from - 1]).empty()) --from;
        if (from > 0) --from;
    }
    std::string complaint;
    for (std::size_t i = from; i < lines.size(); ++i)
        for (std::string_view w : tokens(lines[i])) complaint += (complaint.empty() ? "" : " ") + std::string(w);
    return complaint;
}

}  // namespace loopbeam::nec
