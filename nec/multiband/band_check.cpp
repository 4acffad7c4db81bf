#include "nec/multiband/band_check.h"

#include "nec/check/check.h"
#include "nec/choice_table.h"
#include "nec/printf_text.h"

namespace loopbeam::nec {

std::string bandsText(const MultibandDesign& design) {
    std::string out;
    for (std::size_t i = 0; i < design.bands.size(); ++i)
        out += (i == 0 ? "" : i + 1 == design.bands.size() ? " and " : ", ") + printfText("%g", design.bands[i].mhz);
    return out + " MHz";
}

Outcome<NecModel> bandModel(const MultibandDesign& design, const Spider& spider, const CheckOptions& options,
                            std::size_t band) {
    const BandRule& rule = design.bands.at(band);
    NecModel model;
    model.shape = spider.shape;
    model.wireRadiusMetres = spider.wireRadiusMetres;
    model.boomHeightMetres = options.boomHeightMetres;
    model.soil = options.soil;
    model.conductor = options.conductor;
    model.insulation = options.insulation;
    model.sweep = planSweep(rule.mhz, rule.estimatedLowMHz, rule.estimatedHighMHz, options.sweepPoints);
    int tag = 0;
    for (const SpiderLoop& laid : spider.loops) {
        Loop loop{laid.perimeterMetres, laid.wires.wires};
        int before = model.totalSegments();
        for (std::size_t i = 0; i < loop.wires.size(); ++i) {
            loop.wires[i].tag = ++tag;
            const FeedSegment feed{tag, laid.wires.feedSegment, before + laid.wires.feedSegment};
            if (laid.driven && i == 0 && laid.band == band) model.feed = feed;
            if (laid.driven && i == 0 && laid.band != band && spider.unusedFeeds == UnusedFeeds::Open)
                model.openFeeds.push_back(feed);
            before += loop.wires[i].segments;
        }
        model.loops.push_back(std::move(loop));
    }
    if (auto fault = clearanceFault(model)) return refuse(*fault);
    model.comments = {
        printfText("Two-element quad for %s on one spider, arms at %.4g degrees to the boom; fed at %g MHz",
                   bandsText(design).c_str(), spider.armAngleDegrees, rule.mhz),
        "The other bands' driven loops: " + std::string(rowOf(kUnusedFeeds, spider.unusedFeeds).name),
        "designed by loopbeam " LOOPBEAM_VERSION};
    for (std::string& line : modelComments(model)) model.comments.push_back(std::move(line));
    return model;
}

Outcome<std::vector<CheckResult>> checkBands(const std::vector<NecModel>& models, const RunControl& control,
                                             SweepMethod method) {
    std::vector<CheckResult> results;
    for (const NecModel& model : models) {
        // Each band its share of the bar, in turn.
        RunControl band = control;
        if (control.progress)
            band.progress = [progress = control.progress, done = results.size(), of = models.size()](double f) {
                progress((static_cast<double>(done) + f) / static_cast<double>(of));
            };
        auto result = runCheck(model, band, method);
        if (!result && result.error().message == kCancelledMessage) return Refused{result.error()};
        if (!result) return refuse(printfText("At %g MHz: ", model.sweep.locked()) + result.error().message);
        results.push_back(std::move(*result));
    }
    return results;
}

}  // namespace loopbeam::nec
