#include "cli/nec_check.h"

#include "cli/report.h"
#include "design/cables.h"
#include "nec/check/check.h"
#include "nec/check/check_report.h"
#include "nec/check/feed_advice.h"
#include "nec/check/feed_report.h"
#include "nec/check/verdict.h"
#include "nec/choice_table.h"
#include "nec/model/deck_writer.h"
#include "nec/model/design_input.h"
#include "nec/model/run_cost.h"
#include "nec/printf_text.h"

namespace loopbeam::cli {
namespace {

std::string optionalNumber(const std::optional<double>& value) { return value ? jsonNumber(*value) : "null"; }

}  // namespace

std::string modelJson(const nec::CheckOptions& options) {
    const auto& insulation = options.insulation;
    const bool overGround = options.boomHeightMetres.has_value();
    return std::string("{\"shape\": ") + (options.shape == nec::LoopShape::Square ? "\"square\"" : "\"diamond\"") +
           ", \"insulation_mm\": " +
           optionalNumber(insulation ? std::optional(insulation->thicknessMm) : std::nullopt) + ", \"permittivity\": " +
           optionalNumber(insulation ? std::optional(insulation->permittivity) : std::nullopt) +
           ", \"conductor\": " + jsonString(nec::rowOf(nec::kConductors, options.conductor).word) +
           ", \"soil\": " + (overGround ? jsonString(nec::rowOf(nec::kSoils, options.soil).word) : "null") +
           ", \"boom_height_m\": " + optionalNumber(options.boomHeightMetres) + "}";
}

namespace {

std::string flag(bool value) { return value ? "true" : "false"; }

// The band's worst figures, each with its frequency; the feed the SWR is taken through.
std::string bandJson(const nec::CheckResult& result) {
    const nec::BandFigures& b = result.band;
    return "{\"low_mhz\": " + jsonNumber(b.band.lowMHz) + ", \"high_mhz\": " + jsonNumber(b.band.highMHz) +
           ", \"min_gain_dbi\": " + jsonNumber(b.gainDbi.value) +
           ", \"min_fb_db\": " + jsonNumber(b.frontToBackDb.value) +
           ", \"min_fr_db\": " + jsonNumber(b.frontToRearDb.value) + ", \"max_swr\": " + jsonNumber(b.swr.value) +
           ", \"feed\": " + jsonString(nec::rowOf(nec::kFeeds, result.bandFeed).word) +
           ", \"min_gain_mhz\": " + jsonNumber(b.gainDbi.mhz) + ", \"min_fb_mhz\": " + jsonNumber(b.frontToBackDb.mhz) +
           ", \"min_fr_mhz\": " + jsonNumber(b.frontToRearDb.mhz) + ", \"max_swr_mhz\": " + jsonNumber(b.swr.mhz) + "}";
}

std::string verdictJson(const nec::Verdict& verdict) {
    const auto words = [](const std::vector<nec::Finding>& findings) {
        std::string out;
        for (const nec::Finding f : findings)
            out += (out.empty() ? "" : ", ") + jsonString(nec::rowOf(nec::kFindings, f).word);
        return "[" + out + "]";
    };
    return "{\"works\": " + flag(verdict.works) + ", \"problems\": " + words(verdict.problems) +
           ", \"warnings\": " + words(verdict.warnings) + "}";
}

}  // namespace

std::string tooLarge(const nec::NecModel& model, nec::SweepMethod method) {
    const int segments = model.totalSegments();
    return nec::printfText(
        "The check of this design has %d segments: about %.0f s and %.0f MB for each frequency nec2c solves, of "
        "at most %zu. Add --allow-large to run it.",
        segments, nec::secondsPerFrequency(segments, model.boomHeightMetres.has_value()),
        nec::megabytesPerRun(segments), nec::mostSolves(model, method));
}

std::string feedJson(const nec::FeedAdvice& advice) {
    std::string options;
    for (std::size_t i = 0; i < nec::kFeeds.size(); ++i) {
        const bool section = nec::kFeeds[i].cables > 0;
        options +=
            (options.empty() ? "" : ", ") +
            ("{\"feed\": " + jsonString(nec::kFeeds[i].word) + ", \"swr\": " + jsonNumber(advice.swr[i]) +
             ", \"length_m\": " + (section && advice.sectionMetres ? jsonNumber(*advice.sectionMetres) : "null") + "}");
    }
    const auto& span = advice.swrBelow2;
    return "{\"r_ohm\": " + jsonNumber(advice.impedance.real()) +
           ", \"x_ohm\": " + jsonNumber(advice.impedance.imag()) +
           ", \"ideal_section_ohm\": " + jsonNumber(advice.idealSectionOhms) + ", \"options\": [" + options +
           "], \"recommended\": " + jsonString(nec::rowOf(nec::kFeeds, advice.recommended).word) +
           ", \"swr_below_2_mhz\": " +
           (span ? "[" + jsonNumber(span->lowMHz) + ", " + jsonNumber(span->highMHz) + "]" : "null") + "}";
}

std::string spansJson(const std::vector<nec::Span>& spans) {
    std::string out;
    for (const nec::Span& span : spans)
        out += (out.empty() ? "" : ", ") + ("[" + jsonNumber(span.lowMHz) + ", " + jsonNumber(span.highMHz) + "]");
    return "[" + out + "]";
}

NecCheckRun runNecCheck(const Options& options, const CalculatedDesign& design) {
    NecCheckRun run;
    run.design = nec::quadDesignOf(design);
    run.notes = nec::designNotes(design);
    run.options.shape = options.diamond ? nec::LoopShape::Diamond : nec::LoopShape::Square;
    run.options.boomHeightMetres = options.groundHeightMetres;
    applyModelChoices(options.model, run.options);
    applySweepChoices(options.sweep, run.options);
    const auto model = nec::buildModel(run.design, run.options);
    if (!model) {
        run.failure = StepFailure{"nec", model.error().message};
        return run;
    }
    run.conditions = nec::conditionsOf(*model);
    if (options.necDeck) run.deck = nec::writePortableDeck(*model, std::nullopt);
    if (!options.runsCheck()) return run;
    if (nec::needsConfirmation(*model) && !options.allowLarge) {
        run.failure = StepFailure{"nec", tooLarge(*model, sweepMethodOf(options.sweep))};
        return run;
    }
    auto result = nec::runCheck(*model, {}, sweepMethodOf(options.sweep));
    if (!result) {
        run.failure = StepFailure{"nec", result.error().message};
    } else {
        if (options.necDeck) run.deck = nec::writePortableDeck(*model, result->summary.elevationDegrees);
        run.feed = nec::adviseFeed(*result, run.design.lockedMHz, coaxVelocityFactor(options));
        run.result = std::move(*result);
    }
    run.model = std::move(*model);
    return run;
}

std::string necReport(const NecCheckRun& run, const Options& options, const std::string& filesWritten) {
    std::string out = "\nNEC-2 model: " + run.conditions + "\n";
    for (const std::string& note : run.notes) out += "Note: " + note + "\n";
    out += filesWritten;
    if (!run.result) return out;
    out += "Checked with nec2c:\n" + summaryText(*run.result, run.design, *run.feed);
    out += nec::recommendationText(*run.feed, run.design.lockedMHz) + "\n";
    // --tune alone reports the tuned design's summary beside it, and no sweeps.
    if (options.tune && !options.simulate) return out;
    return out + "\n" + nec::sweepTable(*run.result, run.options.boomHeightMetres.has_value());
}

std::string summaryText(const nec::CheckResult& result, const nec::QuadDesign& design, const nec::FeedAdvice& feed) {
    std::size_t width = 0;
    const auto lines = nec::summaryLines(result, design, feed);
    for (const nec::SummaryLine& line : lines) width = std::max(width, line.label.size());
    std::string out;
    for (const nec::SummaryLine& line : lines)
        out += line.label + std::string(width + 3 - line.label.size(), ' ') + line.value + "\n";
    return out;
}

std::string necJson(const nec::CheckResult& result, const NecCheckRun& check, const nec::FeedAdvice& feed) {
    std::string points, pattern, notes;
    for (const nec::FrequencyPoint& p : result.sweep)
        points +=
            (points.empty() ? "" : ", ") +
            ("{\"mhz\": " + jsonNumber(p.mhz) + ", \"r_ohm\": " + jsonNumber(p.feedImpedance.real()) +
             ", \"x_ohm\": " + jsonNumber(p.feedImpedance.imag()) +
             ", \"swr_section\": " + jsonNumber(p.swrThroughSection) + ", \"swr_direct\": " + jsonNumber(p.swrDirect) +
             ", \"gain_dbi\": " + (p.solved ? jsonNumber(p.forwardGainDbi) : "null") + ", \"front_to_back_db\": " +
             (p.solved ? jsonNumber(p.frontToBackDb) : "null") + ", \"fr_db\": " + jsonNumber(p.frontToRearDb) +
             ", \"elevation_deg\": " + (p.solved ? jsonNumber(p.elevationDegrees) : "null") +
             ", \"solved\": " + flag(p.solved) + "}");
    for (const std::string& note : check.notes) notes += (notes.empty() ? "" : ", ") + jsonString(note);
    for (const nec::PatternPoint& p : result.azimuthPattern)
        pattern += (pattern.empty() ? "" : ", ") + ("{\"azimuth_deg\": " + jsonNumber(p.azimuthDegrees) +
                                                    ", \"gain_dbi\": " + jsonNumber(p.gainDbi) + "}");
    const nec::CheckSummary& s = result.summary;
    const nec::LowestSwr &section = s.lowestThroughSection, &direct = s.lowestDirect;
    return "{\"points\": [" + points +
           "], \"resonance_mhz\": " + (s.resonancesMHz.empty() ? "null" : jsonNumber(s.resonancesMHz.front())) +
           ", \"resonances_mhz\": " + numbersJson(s.resonancesMHz) + ", \"min_swr_mhz\": " + jsonNumber(section.mhz) +
           ", \"min_swr\": " + jsonNumber(section.swr) + ", \"min_swr_direct_mhz\": " + jsonNumber(direct.mhz) +
           ", \"min_swr_direct\": " + jsonNumber(direct.swr) +
           ", \"at_sweep_edge\": {\"min_swr\": " + flag(section.atSweepEdge) +
           ", \"min_swr_direct\": " + flag(direct.atSweepEdge) + "}" +
           ", \"swr_below_1_5_mhz\": " + spansJson(s.below1_5) + ", \"swr_below_2_mhz\": " + spansJson(s.below2) +
           ", \"swr_at_estimated_edges\": [" + jsonNumber(s.swrAtLowEdge) + ", " + jsonNumber(s.swrAtHighEdge) + "]" +
           ", \"gain_dbi\": " + jsonNumber(s.gainAtLockedDbi) +
           ", \"front_to_back_db\": " + jsonNumber(s.frontToBackAtLockedDb) +
           ", \"fr_db\": " + jsonNumber(s.frontToRearAtLockedDb) + ", \"band\": " + bandJson(result) +
           ", \"elevation_deg\": " + jsonNumber(s.elevationDegrees) +
           ", \"segments\": " + std::to_string(result.segments) + ", \"pattern\": [" + pattern + "], \"notes\": [" +
           notes + "], \"model\": " + modelJson(check.options) + ", \"feed\": " + feedJson(feed) +
           ", \"verdict\": " + verdictJson(nec::judge(result, feed, check.design)) + "}";
}

}  // namespace loopbeam::cli
