#pragma once
// Each band checked with every loop of every band on the spider: its own
// driven loop fed, the others closed or open as the spider says, over its
// own sweep, through the single-band check (nec/check/check.h).

#include <string>
#include <vector>

#include "nec/check/check_result.h"
#include "nec/engine/run_control.h"
#include "nec/model/nec_model.h"
#include "nec/multiband/spider.h"

namespace loopbeam::nec {

// The model of the whole spider fed on one band's driven loop, swept over that band.
Outcome<NecModel> bandModel(const MultibandDesign& design, const Spider& spider, const CheckOptions& options,
                            std::size_t band);

// "14.2, 18.1 and 21.2 MHz"
std::string bandsText(const MultibandDesign& design);

// One run of the check a band, band after band (each run's solves take every
// core); the first failure stops them, its message naming the band. The
// progress goes once from 0 to 1 over all the bands.
Outcome<std::vector<CheckResult>> checkBands(const std::vector<NecModel>& models, const RunControl& control,
                                             SweepMethod method);

}  // namespace loopbeam::nec
