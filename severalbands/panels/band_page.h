#pragma once
// One band's tab, under a heading that says how the band is fed and what
// the other driven loops are: its summary as the check window's (verdict, worst figures
// over its range, the feed), and its SWR, R and X and azimuth charts, the
// tuned spider's beside the calculated one's once tuned.

#include <QString>
#include <QWidget>

#include "nec/check/check_result.h"
#include "nec/check/feed_advice.h"
#include "nec/multiband/band_design.h"

namespace loopbeam {

struct BandShown {
    const nec::MultibandDesign* design = nullptr;
    std::size_t band = 0;
    const nec::CheckResult* check = nullptr;
    const nec::FeedAdvice* feed = nullptr;
    const nec::CheckResult* tuned = nullptr;  // none before a tuning
    const nec::FeedAdvice* tunedFeed = nullptr;
    QString tunedHeading;  // "Tuned for resonance"
    QString unusedFeeds;   // "Driven loops of the bands not fed: closed loops"
};

class BandPage : public QWidget {
public:
    explicit BandPage(const BandShown& shown);
};

}  // namespace loopbeam
