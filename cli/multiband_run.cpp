#include "cli/multiband_run.h"

#include <cmath>

#include "cli/multiband_tuning_report.h"
#include "cli/nec_check.h"
#include "cli/report.h"
#include "design/messages.h"
#include "nec/check/check.h"
#include "nec/check/check_report.h"
#include "nec/check/feed_advice.h"
#include "nec/check/feed_report.h"
#include "nec/choice_table.h"
#include "nec/model/run_cost.h"
#include "nec/multiband/band_check.h"
#include "nec/multiband/band_results.h"
#include "nec/printf_text.h"
#include "nec/text_table.h"

namespace loopbeam::cli {
namespace {

constexpr const char* kElementWords[] = {"reflector", "driven"};

double ruleSpacingMetres(const nec::BandRule& rule) { return rule.spacingFeet * nec::kMetresPerFoot; }

std::string geometryJson(const nec::Spider& spider) {
    return std::string("{\"shape\": ") + (spider.shape == nec::LoopShape::Square ? "\"square\"" : "\"diamond\"") +
           ", \"wire_radius_m\": " + jsonNumber(spider.wireRadiusMetres) +
           ", \"unused_feeds\": " + jsonString(nec::rowOf(nec::kUnusedFeeds, spider.unusedFeeds).word) +
           ", \"arm_angle_deg\": " + jsonNumber(spider.armAngleDegrees) +
           ", \"segmented_for_mhz\": " + jsonNumber(spider.segmentedForMHz) + "}";
}

// "fed" is true for every driven loop: each has a feed point of its own.
std::string loopsJson(const nec::MultibandDesign& design, const nec::Spider& spider) {
    std::string out;
    for (const nec::SpiderLoop& loop : spider.loops)
        out += (out.empty() ? "" : ", ") +
               ("{\"band_mhz\": " + jsonNumber(design.bands[loop.band].mhz) + ", \"element\": \"" +
                kElementWords[loop.driven] + "\", \"perimeter_m\": " + jsonNumber(loop.perimeterMetres) +
                ", \"position_m\": " + jsonNumber(loop.positionMetres) +
                ", \"segments_per_side\": " + std::to_string(loop.wires.wires.back().segments) +
                ", \"fed\": " + (loop.driven ? "true" : "false") + "}");
    return "[" + out + "]";
}

std::string loopsTable(const nec::MultibandDesign& design, const nec::Spider& spider) {
    std::vector<std::vector<std::string>> rows{{"Band", "Loop", "Perimeter", "From the hub"}};
    for (const nec::SpiderLoop& loop : spider.loops)
        rows.push_back({nec::printfText("%g MHz", design.bands[loop.band].mhz), kElementWords[loop.driven],
                        nec::printfText("%.3f m", loop.perimeterMetres),
                        nec::printfText("%+.3f m", loop.positionMetres)});
    return nec::alignedTable(rows);
}

std::string spacingLines(const nec::MultibandDesign& design, const nec::Spider& spider) {
    std::string out;
    for (std::size_t band = 0; band < design.bands.size(); ++band) {
        const double rule = ruleSpacingMetres(design.bands[band]), onArms = nec::spiderSpacingMetres(spider, band);
        const double move = (onArms - rule) / rule * 100;
        // The rules scale every band alike: a move of rounding alone is none.
        out += nec::printfText("  %g MHz: %.3f m against its rule's %.3f m (%+.1f%%)\n", design.bands[band].mhz, onArms,
                               rule, std::abs(move) < 0.05 ? 0.0 : move);
    }
    return out;
}

std::vector<nec::NecModel> bandModels(MultibandRun& run, const nec::Spider& spider) {
    auto models = nec::bandModels(*run.design, spider, run.options);
    if (!models) {
        run.failure = StepFailure{"nec", models.error().message};
        return {};
    }
    return std::move(*models);
}

// The tuned spider's check, band by band as the calculated one's; the band
// goal's figures through the feeds it held. Lengths that miss a band's
// constraints are shown, and refused as lengths to cut.
void tuneAndCheck(MultibandRun& run, nec::SweepMethod method, const Options& options) {
    auto tuned = nec::tuneAndCheckBands(*run.design, *run.spider, run.options, {}, *options.tune, method,
                                        {run.results, run.feeds, options.bandLimits});
    if (!tuned) {
        run.failure = StepFailure{"tune", tuned.error().message};
        return;
    }
    run.constraints = std::move(tuned->constraints);
    run.tuned = std::move(tuned->tuned);
    run.tunedResults = std::move(tuned->results);
    run.tunedFeeds = nec::bandFeeds(*run.design, run.tunedResults);
    if (!run.tuned->metEveryBand())
        run.failure = StepFailure{
            "tune", "Tuning for band found no lengths within the bounds that meet every band's constraints (" +
                        nec::missedText(*run.design, *run.tuned) +
                        "). The least violating ones are shown, not lengths to cut: allow a higher --max-swr or "
                        "another --feed."};
    if (!options.interaction) return;
    auto interaction = nec::interactionOf(*run.design, *run.spider, *run.tuned, run.options, {}, run.constraints);
    if (!interaction) {
        if (!run.failure) run.failure = StepFailure{"interaction", interaction.error().message};
        return;
    }
    run.interaction = std::move(*interaction);
}

// The lock's command-line words name --freq; here the frequency came in --bands.
std::string inBandsWords(const Refusal& refusal) {
    std::string said = messages::forCommandLine(refusal);
    for (const auto& [from, to] : {std::pair<std::string_view, std::string_view>{"--freq 14.2", "--bands 14.2,21.2"},
                                   {"with --freq", "in --bands"},
                                   {"no units, no commas", "no units, commas only between bands"}})
        for (std::size_t at = 0; (at = said.find(from, at)) != std::string::npos; at += to.size())
            said.replace(at, from.size(), to);
    return said;
}

double changePercent(const nec::Spider& calculated, const nec::Spider& tuned, std::size_t loop) {
    return (tuned.loops[loop].perimeterMetres - calculated.loops[loop].perimeterMetres) /
           calculated.loops[loop].perimeterMetres * 100;
}

std::string tunedBandJson(const MultibandRun& run, std::size_t band, const NecCheckRun& check) {
    if (!run.tuned || band >= run.tunedResults.size()) return "null";
    const std::size_t loop = nec::loopIndex(run.tuned->spider, band, true);
    const nec::SpiderLoop& driven = run.tuned->spider.loops[loop];
    const std::size_t reflector = nec::loopIndex(run.tuned->spider, band, false);
    return "{\"perimeter_m\": " + jsonNumber(driven.perimeterMetres) +
           ", \"position_m\": " + jsonNumber(driven.positionMetres) +
           ", \"change_percent\": " + jsonNumber(changePercent(*run.spider, run.tuned->spider, loop)) +
           ", \"reflector_perimeter_m\": " + jsonNumber(run.tuned->spider.loops[reflector].perimeterMetres) +
           ", \"reflector_change_percent\": " + jsonNumber(changePercent(*run.spider, run.tuned->spider, reflector)) +
           ", \"nec\": " + necJson(run.tunedResults[band], check, run.tunedFeeds[band]) +
           bandGoalJson(*run.tuned, band) + "}";
}

std::string tunedReport(const MultibandRun& run) {
    const nec::MultibandDesign& design = *run.design;
    const nec::SpiderTuned& tuned = *run.tuned;
    const bool reflectors = tuned.goal != nec::TuneGoal::Resonance;
    std::string out = "\n" + nec::spiderTunedLine(tuned) + ":\n" + bandGoalText(design, tuned);
    std::vector<std::vector<std::string>> rows{{"Band", "Loop", "Perimeter", "Change", "From the hub"}};
    for (std::size_t band = 0; band < design.bands.size(); ++band)
        for (const bool driven : {false, true}) {
            if (!driven && !reflectors) continue;
            const std::size_t loop = nec::loopIndex(tuned.spider, band, driven);
            rows.push_back({nec::printfText("%g MHz", design.bands[band].mhz), kElementWords[driven],
                            nec::printfText("%.3f m", tuned.spider.loops[loop].perimeterMetres),
                            nec::printfText("%+.2f%%", changePercent(*run.spider, tuned.spider, loop)),
                            nec::printfText("%+.3f m", tuned.spider.loops[loop].positionMetres)});
        }
    out += nec::alignedTable(rows);
    if (run.interaction) out += interactionText(design, *run.interaction);
    for (std::size_t band = 0; band < run.tunedResults.size(); ++band) {
        const double mhz = design.bands[band].mhz;
        out += nec::printfText("\n%g MHz tuned:\n", mhz) +
               summaryText(run.tunedResults[band], nec::bandQuadDesign(design, band), run.tunedFeeds[band]) +
               nec::recommendationText(run.tunedFeeds[band], mhz) + "\n";
    }
    return out;
}

// {"title", "tuned", "arm_angle_deg", "back_arm_m", "front_arm_m", "notes": [...], "rows": [{"band_mhz",
//  "element", "wire_m", "side_m", "arm_m", "position_m", "calculated_wire_m"}]}
std::string cutListJson(const nec::SpiderCutSheet& sheet) {
    const nec::SpiderCut& cut = sheet.cut;
    std::string rows, notes;
    for (const nec::SpiderCutRow& row : cut.rows)
        rows +=
            (rows.empty() ? "" : ", ") +
            ("{\"band_mhz\": " + jsonNumber(row.bandMHz) + ", \"element\": \"" + kElementWords[row.driven] +
             "\", \"wire_m\": " + jsonNumber(row.wireMetres) + ", \"side_m\": " + jsonNumber(row.sideMetres) +
             ", \"arm_m\": " + jsonNumber(row.armMetres) + ", \"position_m\": " + jsonNumber(row.positionMetres) +
             ", \"calculated_wire_m\": " + (row.calculatedWireMetres ? jsonNumber(*row.calculatedWireMetres) : "null") +
             "}");
    for (const std::string& note : sheet.notes) notes += (notes.empty() ? "" : ", ") + jsonString(note);
    return "{\"title\": " + jsonString(sheet.title) + ", \"tuned\": " + (cut.tuned ? "true" : "false") +
           ", \"arm_angle_deg\": " + jsonNumber(cut.armAngleDegrees) +
           ", \"back_arm_m\": " + jsonNumber(cut.back.metres) + ", \"front_arm_m\": " + jsonNumber(cut.front.metres) +
           ", \"notes\": [" + notes + "], \"rows\": [" + rows + "]}";
}

}  // namespace

MultibandRun runMultiband(const Options& options) {
    MultibandRun run;
    run.options.shape = options.diamond ? nec::LoopShape::Diamond : nec::LoopShape::Square;
    run.options.boomHeightMetres = options.groundHeightMetres;
    applyModelChoices(options.model, run.options);
    applySweepChoices(options.sweep, run.options);
    auto design = nec::designBands(options.bands, options.awg, inBandsWords);
    if (!design) {
        run.failure = StepFailure{"bands", design.error().message};
        return run;
    }
    run.design = std::move(*design);
    auto spider = nec::buildSpider(*run.design, run.options, options.unusedFeeds);
    if (!spider) {
        run.failure = StepFailure{"nec", spider.error().message};
        return run;
    }
    run.spider = std::move(*spider);
    run.models = bandModels(run, *run.spider);
    if (run.models.empty() || !options.runsCheck()) return run;
    const nec::SweepMethod method = sweepMethodOf(options.sweep);
    if (nec::needsConfirmation(run.models.front()) && !options.allowLarge) {
        run.failure = StepFailure{"nec", tooLarge(run.models.front(), method)};
        return run;
    }
    auto results = nec::checkBands(run.models, {}, method);
    if (!results) {
        run.failure = StepFailure{"nec", results.error().message};
        return run;
    }
    run.results = std::move(*results);
    run.feeds = nec::bandFeeds(*run.design, run.results);
    if (options.tune) tuneAndCheck(run, method, options);
    return run;
}

nec::SpiderCutSheet cutSheetOf(const MultibandRun& run) {
    const bool tuned = run.tuned && run.tuned->metEveryBand();
    const nec::SpiderCut cut = nec::spiderCut(*run.design, *run.spider, tuned ? &*run.tuned : nullptr);
    return nec::spiderCutSheet(*run.design, cut, run.models.empty() ? "" : nec::conditionsOf(run.models.front()));
}

std::string multibandReport(const MultibandRun& run, const std::string& filesWritten) {
    if (!run.design || !run.spider) return "";
    const nec::MultibandDesign& design = *run.design;
    const nec::Spider& spider = *run.spider;
    std::string out = "Two-element quad for " + nec::bandsText(design) +
                      nec::printfText(" on one spider, AWG %d\n", design.gauge) +
                      "Each band's loops and spacing from its own STANDARD HIGH GAIN rule (3 elements, no director)\n";
    if (!run.models.empty()) out += "NEC-2 model: " + nec::conditionsOf(run.models.front()) + "\n";
    out += nec::unusedFeedsLine(spider) + "; each band has a feed line of its own (a common feed is not offered)\n";
    out += nec::printfText("Arms at %.2f degrees to the boom; each band's spacing on them:\n", spider.armAngleDegrees) +
           spacingLines(design, spider) + "\n" + loopsTable(design, spider);
    for (std::size_t band = 0; band < run.results.size(); ++band) {
        const double mhz = design.bands[band].mhz;
        const nec::CheckResult& result = run.results[band];
        out += nec::printfText("\n%g MHz, fed on its own driven loop with every loop present:\n", mhz) +
               summaryText(result, nec::bandQuadDesign(design, band), run.feeds[band]) +
               nec::recommendationText(run.feeds[band], mhz) + "\n\n" +
               nec::sweepTable(result, run.options.boomHeightMetres.has_value());
    }
    if (run.tuned) out += tunedReport(run);
    return out + "\n" + filesWritten + nec::spiderCutText(cutSheetOf(run));
}

std::string multibandJson(const MultibandRun& run) {
    std::string out = "{";
    const auto member = [&](const std::string& key, const std::string& value) {
        out += (out.size() > 1 ? ", " : "") + jsonString(key) + ": " + value;
    };
    if (run.design && run.spider) {
        std::string bands;
        for (std::size_t band = 0; band < run.design->bands.size(); ++band) {
            NecCheckRun check;
            check.options = run.options;
            check.design = nec::bandQuadDesign(*run.design, band);
            const nec::BandRule& rule = run.design->bands[band];
            bands +=
                (bands.empty() ? "" : ", ") +
                ("{\"mhz\": " + jsonNumber(rule.mhz) + ", \"spacing_rule_m\": " + jsonNumber(ruleSpacingMetres(rule)) +
                 ", \"spacing_m\": " + jsonNumber(nec::spiderSpacingMetres(*run.spider, band)) + ", \"nec\": " +
                 (band < run.results.size() ? necJson(run.results[band], check, run.feeds[band]) : "null") +
                 ", \"tuned\": " + tunedBandJson(run, band, check) +
                 ", \"interaction\": " + (run.interaction ? interactionJson(run.interaction->at(band)) : "null") + "}");
        }
        member("bands", "[" + bands + "]");
        member("loops", loopsJson(*run.design, *run.spider));
        member("geometry", geometryJson(*run.spider));
        member("model", modelJson(run.options));
        if (run.tuned)
            member("tuning", "{\"goal\": " + jsonString(nec::rowOf(nec::kTuneGoals, run.tuned->goal).word) +
                                 nec::printfText(", \"rounds\": %d, \"solves\": %d, \"start_rounds\": %d, "
                                                 "\"evaluations\": %d, \"feasible\": %s, \"wire_factor\": %s, "
                                                 "\"loops\": ",
                                                 run.tuned->rounds, run.tuned->solves, run.tuned->startRounds,
                                                 run.tuned->evaluations, run.tuned->metEveryBand() ? "true" : "false",
                                                 jsonNumber(run.tuned->wire.factor).c_str()) +
                                 loopsJson(*run.design, run.tuned->spider) + "}");
        member("cut_list", cutListJson(cutSheetOf(run)));
    }
    if (run.failure)
        member("error", "{\"step\": " + jsonString(run.failure->step) +
                            ", \"message\": " + jsonString(run.failure->message) + "}");
    return out + "}\n";
}

}  // namespace loopbeam::cli
