#include "nec/multiband/spider_interaction.h"

#include "nec/multiband/band_check.h"
#include "nec/printf_text.h"
#include "nec/tuning/evaluation.h"

namespace loopbeam::nec {

BandAlone bandAlone(const MultibandDesign& design, const Spider& spider, std::size_t band) {
    BandAlone alone{design, spider};
    alone.design.bands = {design.bands.at(band)};
    alone.spider.loops.clear();
    for (SpiderLoop loop : spider.loops)
        if (loop.band == band) {
            loop.band = 0;
            alone.spider.loops.push_back(std::move(loop));
        }
    return alone;
}

Outcome<std::vector<BandInteraction>> interactionOf(const MultibandDesign& design, const Spider& calculated,
                                                    const SpiderTuned& together, const CheckOptions& options,
                                                    const RunControl& control,
                                                    const std::vector<BandConstraints>& constraints) {
    const std::size_t bands = design.bands.size();
    std::vector<BandInteraction> out(bands);
    std::vector<NecModel> models;  // alone and together, a band each
    for (std::size_t band = 0; band < bands; ++band) {
        const BandAlone alone = bandAlone(design, calculated, band);
        RunControl part = control;
        if (control.progress)
            part.progress = [&](double f) { control.progress(0.95 * (static_cast<double>(band) + f) / bands); };
        const std::vector<BandConstraints> held =
            together.goal == TuneGoal::Band ? std::vector{constraints.at(band)} : std::vector<BandConstraints>{};
        auto tuned = tuneSpiderFor(together.goal, alone.design, alone.spider, options, part, held, together.wire);
        if (!tuned)
            return refuse(tuned.error().message == kCancelledMessage
                              ? kCancelledMessage
                              : printfText("The %g MHz band alone: ", design.bands[band].mhz) + tuned.error().message);
        out[band].aloneRounds = tuned->rounds;
        for (const bool driven : {false, true})
            out[band].loops[driven] = {driven, tuned->spider.loops[loopIndex(tuned->spider, 0, driven)].perimeterMetres,
                                       together.spider.loops[loopIndex(together.spider, band, driven)].perimeterMetres};
        for (auto model :
             {bandModel(alone.design, tuned->spider, options, 0), bandModel(design, together.spider, options, band)}) {
            if (!model) return Refused{model.error()};
            models.push_back(std::move(*model));
        }
    }
    std::vector<Probe> probes;
    for (std::size_t i = 0; i < models.size(); ++i) probes.push_back({&models[i], design.bands[i / 2].mhz});
    RunControl quiet = control;
    quiet.progress = nullptr;
    auto solved = solveSideBySide(probes, quiet);
    if (!solved) return Refused{solved.error()};
    for (std::size_t band = 0; band < bands; ++band) {
        out[band].aloneFeed = (*solved)[2 * band].feedImpedance;
        out[band].togetherFeed = (*solved)[2 * band + 1].feedImpedance;
    }
    return out;
}

}  // namespace loopbeam::nec
