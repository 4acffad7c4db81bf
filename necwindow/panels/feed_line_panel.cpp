#include "necwindow/panels/feed_line_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "ui/point_spin_box.h"
#include "ui/show_outcome.h"

namespace loopbeam {
namespace {

constexpr int kTyped = -1;  // the cable's item data where Z0 and VF are typed

struct SpinRange {
    double low, high;
    int decimals;
    double step;
    const char* suffix;
    const char* spoken;
};

void setUp(QDoubleSpinBox& box, const SpinRange& range, double value) {
    box.setRange(range.low, range.high);
    box.setDecimals(range.decimals);
    box.setSingleStep(range.step);
    box.setSuffix(QString::fromLatin1(range.suffix));
    box.setAccessibleName(QString::fromLatin1(range.spoken));
    box.setValue(value);
    box.setKeyboardTracking(false);  // a number is taken when typed whole, not at each key
}

// No access keys of their own: the window has used every letter of their names.
void addLabelled(QHBoxLayout& row, const QString& caption, QWidget* control) {
    auto* label = new QLabel(caption);
    label->setBuddy(control);
    row.addWidget(label);
    row.addWidget(control);
}

}  // namespace

FeedLinePanel::FeedLinePanel()
    : length_(new ui::PointSpinBox),
      cable_(new QComboBox),
      ohms_(new ui::PointSpinBox),
      velocityFactor_(new ui::PointSpinBox),
      loss_(new ui::PointSpinBox),
      section_(new QCheckBox(QStringLiteral("Through the quarter-wave section"))) {
    setObjectName(QStringLiteral("feedLine"));
    setUp(*length_, {0, nec::kMaxFeedlineMetres, 2, 1, " m", "Feed line's length, metres"}, 0);
    length_->setSpecialValueText(QStringLiteral("none: at the feed point"));
    for (const nec::LineCable& cable : nec::kLineCables)
        cable_->addItem(QStringLiteral("%1 (%2 ohm, VF %3)")
                            .arg(ui::toQString(cable.name))
                            .arg(cable.ohms)
                            .arg(cable.velocityFactor),
                        static_cast<int>(&cable - nec::kLineCables.data()));
    cable_->addItem(QStringLiteral("Impedance and VF typed"), kTyped);
    cable_->setAccessibleName(QStringLiteral("Feed line's cable"));
    setUp(*ohms_, {1, nec::kMaxLineOhms, 1, 1, " ohm", "Feed line's impedance, ohms"}, 50);
    setUp(*velocityFactor_, {0.01, 1, 3, 0.01, "", "Feed line's velocity factor"}, 0.66);
    setUp(*loss_, {0, nec::kMaxLineLossDb, 2, 0.1, " dB", "Feed line's matched loss at the locked frequency, dB"}, 0);
    section_->setObjectName(QStringLiteral("throughSection"));

    // Three short rows: with a measurement open the window keeps its minimum width.
    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(0, 0, 0, 0);
    auto* line = new QHBoxLayout;
    addLabelled(*line, QStringLiteral("Feed line"), length_);
    addLabelled(*line, QStringLiteral("of"), cable_);
    line->addStretch();
    rows->addLayout(line);
    auto* figures = new QHBoxLayout;
    addLabelled(*figures, QStringLiteral("Z&0"), ohms_);
    addLabelled(*figures, QStringLiteral("VF"), velocityFactor_);
    addLabelled(*figures, QStringLiteral("Matched loss"), loss_);
    loss_->setToolTip(QStringLiteral("The whole line's matched loss at the locked frequency"));
    figures->addStretch();
    rows->addLayout(figures);
    rows->addWidget(section_);

    showCable();
    connect(cable_, &QComboBox::currentIndexChanged, this, &FeedLinePanel::showCable);
    connect(cable_, &QComboBox::currentIndexChanged, this, &FeedLinePanel::changed);
    for (QDoubleSpinBox* box : {length_, ohms_, velocityFactor_, loss_})
        connect(box, &QDoubleSpinBox::valueChanged, this, &FeedLinePanel::changed);
    connect(section_, &QCheckBox::toggled, this, &FeedLinePanel::changed);
}

void FeedLinePanel::showCable() {
    const int chosen = cable_->currentData().toInt();
    for (QDoubleSpinBox* box : {ohms_, velocityFactor_}) box->setEnabled(chosen == kTyped);
    if (chosen == kTyped) return;
    const nec::LineCable& cable = nec::kLineCables[static_cast<std::size_t>(chosen)];
    const QSignalBlocker quietOhms(ohms_), quietFactor(velocityFactor_);  // the cable's own figures are no change
    ohms_->setValue(cable.ohms);
    velocityFactor_->setValue(cable.velocityFactor);
}

std::optional<nec::TransmissionLine> FeedLinePanel::feedline(double lockedMHz) const {
    if (length_->value() <= 0) return std::nullopt;
    nec::TransmissionLine line;
    const int chosen = cable_->currentData().toInt();
    if (chosen == kTyped) {
        line.ohms = ohms_->value();
        line.velocityFactor = velocityFactor_->value();
    } else {
        const nec::LineCable& cable = nec::kLineCables[static_cast<std::size_t>(chosen)];
        line.ohms = cable.ohms;
        line.velocityFactor = cable.velocityFactor;
    }
    line.lengthMetres = length_->value();
    line.lossDb = loss_->value();
    line.referenceMHz = lockedMHz;
    return line;
}

bool FeedLinePanel::throughSection() const { return section_->isChecked(); }

void FeedLinePanel::clearThroughSection() {
    const QSignalBlocker quiet(section_);
    section_->setChecked(false);
}

}  // namespace loopbeam
