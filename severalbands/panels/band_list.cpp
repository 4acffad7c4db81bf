#include "severalbands/panels/band_list.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "design/selectors.h"
#include "nec/multiband/band_design.h"
#include "ui/show_outcome.h"

namespace loopbeam {

BandList::BandList() : others_(new QLineEdit), gauge_(new QSpinBox), unused_(new QComboBox) {
    setObjectName(QStringLiteral("bandList"));
    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(0, 0, 0, 0);
    // Three bands a row: the window keeps a minimum narrow enough to open beside the main window.
    auto* ticks = new QGridLayout;
    ticks->addWidget(new QLabel(QStringLiteral("Bands:")), 0, 0);
    constexpr int kBandsARow = 3;
    for (const nec::AmateurBand& band : nec::kAmateurBands) {
        auto* box =
            new QCheckBox(QStringLiteral("%1 (%2 MHz)").arg(ui::toQString(band.name), ui::toQString(band.centreMHz)));
        box->setObjectName(QStringLiteral("band ") + ui::toQString(band.name));
        box->setAccessibleName(
            QStringLiteral("%1 band, centre %2 MHz").arg(ui::toQString(band.name), ui::toQString(band.centreMHz)));
        connect(box, &QCheckBox::toggled, this, &BandList::changed);
        const int at = static_cast<int>(bands_.size());
        ticks->addWidget(box, at / kBandsARow, 1 + at % kBandsARow);
        bands_.push_back(box);
    }
    ticks->setColumnStretch(kBandsARow + 1, 1);
    rows->addLayout(ticks);

    auto* more = new QHBoxLayout;
    auto* othersLabel = new QLabel(QStringLiteral("O&ther centres, MHz:"));
    othersLabel->setBuddy(others_);
    others_->setObjectName(QStringLiteral("otherCentres"));
    others_->setAccessibleName(QStringLiteral("Other centre frequencies, MHz, separated by commas"));
    others_->setPlaceholderText(QStringLiteral("e.g. 7.1, 10.12"));
    connect(others_, &QLineEdit::textChanged, this, &BandList::changed);
    more->addWidget(othersLabel);
    more->addWidget(others_, 1);
    rows->addLayout(more);
    more = new QHBoxLayout;
    gauge_->setObjectName(QStringLiteral("gauge"));
    gauge_->setRange(kGauges.minimum, kGauges.maximum);
    gauge_->setSingleStep(2);           // as the main window's gauge bar steps
    gauge_->setValue(kGauges.minimum);  // where the main window's gauge bar and --awg start
    gauge_->setAccessibleName(ui::toQString(kGauges.name));
    auto* gaugeLabel = new QLabel(QStringLiteral("A&WG"));
    gaugeLabel->setBuddy(gauge_);
    connect(gauge_, &QSpinBox::valueChanged, this, &BandList::changed);
    more->addWidget(gaugeLabel);
    more->addWidget(gauge_);
    unused_->setObjectName(QStringLiteral("unusedFeeds"));
    unused_->setAccessibleName(QStringLiteral("Driven loops of the bands not fed"));
    for (const nec::UnusedFeedsRow& row : nec::kUnusedFeeds)
        unused_->addItem(ui::toQString(row.name), static_cast<int>(row.key));
    auto* unusedLabel = new QLabel(QStringLiteral("Unused &driven loops:"));
    unusedLabel->setBuddy(unused_);
    connect(unused_, &QComboBox::currentIndexChanged, this, &BandList::changed);
    more->addWidget(unusedLabel);
    more->addWidget(unused_);
    more->addStretch();
    rows->addLayout(more);
}

std::vector<std::string> BandList::typed() const {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < bands_.size(); ++i)
        if (bands_[i]->isChecked()) out.emplace_back(nec::kAmateurBands[i].centreMHz);
    // An empty entry, or commas with nothing between, add no band.
    for (const QString& text : others_->text().split(QLatin1Char(','), Qt::SkipEmptyParts))
        if (const QString trimmed = text.trimmed(); !trimmed.isEmpty()) out.push_back(trimmed.toStdString());
    return out;
}

std::string BandList::otherCentres() const { return others_->text().toStdString(); }

std::int16_t BandList::gauge() const { return static_cast<std::int16_t>(gauge_->value()); }

nec::UnusedFeeds BandList::unusedFeeds() const { return static_cast<nec::UnusedFeeds>(unused_->currentData().toInt()); }

void BandList::setTicked(const std::vector<std::string>& names) {
    for (std::size_t i = 0; i < bands_.size(); ++i)
        bands_[i]->setChecked(std::find(names.begin(), names.end(), nec::kAmateurBands[i].name) != names.end());
}

void BandList::setOtherCentres(const QString& text) { others_->setText(text); }

}  // namespace loopbeam
