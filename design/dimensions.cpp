#include "design/dimensions.h"

#include "common/numeric.h"
#include "common/text_forms.h"
#include "design/design_types.h"
#include "design/result_rows.h"
#include "design/tables.h"
#include "design/unit_headings.h"
#include "design/units.h"

namespace loopbeam {
namespace {

constexpr float kInchesPerWavelengthAt1MHz = 11803.0f;
constexpr float kReferenceDrivenConst = 1020.0f;
constexpr double kSpacingFeetMHz = 162.2907;  // 0.165 wavelength
constexpr double kPerimeterToDiagonal = 2.828;

// Whole feet, the headings, then the inches: the order the boxes are written.
Outcome<MainTexts> feetInchesTexts(const DesignState& state) {
    Outcome<MainTexts> result(std::in_place);  // built in place: no copy of the texts on return
    MainTexts& texts = *result;
    for (const LengthRow& row : kLengthRows) texts.add(row.wholeBox, singleText(wholePart(state.*row.length)));
    texts.add(kWholeHeadingBox, kFeetHeading.text);
    texts.add(kFractionHeadingBox, kInchesHeading.text);
    for (const LengthRow& row : kLengthRows) {
        const float length = state.*row.length;
        const double remainder = static_cast<double>(length) - static_cast<double>(wholePart(length));
        const auto inches = storable(remainder * static_cast<double>(kInchesPerFoot));
        if (!inches) return refuse({Problem::LengthOutOfRange, "inches", state.freq});
        texts.add(row.fractionBox, singleText(*inches));
    }
    return result;
}

}  // namespace

Outcome<MainTexts> calculateFeetInches(DesignState& state, std::int16_t gauge, std::int16_t elementCount) {
    if (!(state.freq > 0)) return refuse({Problem::NoFrequency});
    if (!designTypeChosen(state)) return refuse({Problem::NoDesignType});
    return calculateDimensions(state, gauge, elementCount);
}

Outcome<MainTexts> calculateDimensions(DesignState& state, std::int16_t gauge, std::int16_t elementCount) {
    DesignState next = state;
    next.awg = gauge;
    const auto diameter = wireDiameter(next.awg);
    if (!diameter) return refuse({Problem::UnknownGauge, {}, 0, gauge});
    next.wireDia = *diameter;

    // Each step is evaluated in 64 bits from stored 32-bit operands, in the
    // written order, and rounded when stored; later steps read the rounded value.
    const double freq = next.freq;
    const auto store = [&](float& field, double result) {
        const auto stored = storable(result);
        if (stored) field = *stored;
        return stored.has_value();
    };
    if (!store(next.diaRatio, freq * next.wireDia / kInchesPerWavelengthAt1MHz))
        return refuse({Problem::LengthOutOfRange, "wire diameter in wavelengths", next.freq});
    next.drivenConst = drivenLoopConstant(next.diaRatio);
    next.corr = static_cast<float>(static_cast<double>(next.drivenConst) / kReferenceDrivenConst);

    const double corr = next.corr;
    const auto elementGaps = static_cast<std::int16_t>(elementCount - 1);
    if (!store(next.dirLen, next.dirConst * corr / freq))
        return refuse({Problem::LengthOutOfRange, "director loop length", next.freq});
    if (!store(next.drvLen, corr * kReferenceDrivenConst / freq))
        return refuse({Problem::LengthOutOfRange, "driven loop length", next.freq});
    if (!store(next.refLen, next.refConst * corr / freq))
        return refuse({Problem::LengthOutOfRange, "reflector loop length", next.freq});
    if (!store(next.spacing, kSpacingFeetMHz / freq))
        return refuse({Problem::LengthOutOfRange, "element spacing", next.freq});
    if (!store(next.boomLen, static_cast<double>(static_cast<float>(elementGaps)) * next.spacing))
        return refuse({Problem::LengthOutOfRange, "boom length", next.freq});
    if (!store(next.holeSpacing, next.drvLen / kPerimeterToDiagonal))
        return refuse({Problem::LengthOutOfRange, "spreader hole spacing", next.freq});

    auto texts = feetInchesTexts(next);
    if (texts) state = next;
    return texts;
}

}  // namespace loopbeam
