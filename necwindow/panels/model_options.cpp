#include "necwindow/panels/model_options.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "nec/band/band_text.h"
#include "nec/choice_table.h"
#include "nec/model/nec_model.h"
#include "ui/point_spin_box.h"
#include "ui/show_outcome.h"

namespace loopbeam {
namespace {

// The insulation list: bare, the named materials in their table's order, then a permittivity of the user's own.
constexpr int kBare = -1, kOwnPermittivity = -2;
constexpr double kUsualThicknessMm = 0.5;

QRadioButton* choice(QButtonGroup& group, const QString& caption, int id, QLayout& layout) {
    auto* button = new QRadioButton(caption);
    group.addButton(button, id);
    layout.addWidget(button);
    return button;
}

// A label that names its control, for the access key and for a screen reader.
void addLabelled(QHBoxLayout& row, const QString& caption, QWidget* control, const QString& spoken) {
    auto* label = new QLabel(caption);
    label->setBuddy(control);
    control->setAccessibleName(spoken);
    row.addWidget(label);
    row.addWidget(control);
}

QString capitalised(std::string_view word) {
    QString text = ui::toQString(word);
    if (!text.isEmpty()) text[0] = text[0].toUpper();
    return text;
}

}  // namespace

ModelOptions::ModelOptions()
    : ground_(new QButtonGroup(this)),
      height_(new ui::PointSpinBox),
      soil_(new QComboBox),
      shape_(new QButtonGroup(this)),
      conductor_(new QComboBox),
      insulation_(new QComboBox),
      thickness_(new ui::PointSpinBox),
      permittivity_(new ui::PointSpinBox),
      bandLow_(new QLineEdit),
      bandHigh_(new QLineEdit),
      bandRow_(new QWidget) {
    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(0, 0, 0, 0);
    buildGroundRow();
    buildShapeRow();
    buildWireRow();
    buildBandRow();
    showInsulation();
    for (QButtonGroup* group : {ground_, shape_})
        connect(group, &QButtonGroup::idClicked, this, &ModelOptions::changed);
    for (QDoubleSpinBox* box : {height_, thickness_, permittivity_})
        connect(box, &QDoubleSpinBox::valueChanged, this, &ModelOptions::changed);
    for (QComboBox* box : {soil_, conductor_, insulation_})
        connect(box, &QComboBox::currentIndexChanged, this, &ModelOptions::changed);
    connect(insulation_, &QComboBox::currentIndexChanged, this, &ModelOptions::showInsulation);
    for (QLineEdit* edge : {bandLow_, bandHigh_}) connect(edge, &QLineEdit::textChanged, this, &ModelOptions::changed);
}

void ModelOptions::buildGroundRow() {
    auto* row = new QHBoxLayout;
    choice(*ground_, QStringLiteral("&Free space"), 0, *row)->setChecked(true);
    choice(*ground_, QStringLiteral("Over ground, &boom height"), 1, *row);
    height_->setRange(0.5, nec::kMaxBoomHeightMetres);
    height_->setDecimals(1);
    height_->setValue(15);
    height_->setSuffix(QStringLiteral(" m"));
    height_->setAccessibleName(QStringLiteral("Boom height over ground, metres"));
    row->addWidget(height_);
    for (const nec::SoilRow& soil : nec::kSoils) {
        soil_->addItem(capitalised(soil.name), static_cast<int>(soil.key));
        soil_->setItemData(soil_->count() - 1,
                           QStringLiteral("Relative permittivity %1, conductivity %2 S/m")
                               .arg(soil.permittivity)
                               .arg(soil.conductivity),
                           Qt::ToolTipRole);
    }
    soil_->setCurrentIndex(soil_->findData(static_cast<int>(nec::CheckOptions{}.soil)));
    addLabelled(*row, QStringLiteral("S&oil"), soil_, QStringLiteral("Soil under the antenna"));
    row->addStretch();
    static_cast<QVBoxLayout*>(layout())->addLayout(row);
}

void ModelOptions::buildShapeRow() {
    auto* row = new QHBoxLayout;
    choice(*shape_, QStringLiteral("S&quare loops"), 0, *row)->setChecked(true);
    choice(*shape_, QStringLiteral("D&iamond loops, fed at a corner"), 1, *row);
    row->addStretch();
    static_cast<QVBoxLayout*>(layout())->addLayout(row);
}

void ModelOptions::buildWireRow() {
    auto* row = new QHBoxLayout;
    for (const nec::ConductorRow& conductor : nec::kConductors)
        conductor_->addItem(capitalised(conductor.word), static_cast<int>(conductor.key));
    conductor_->setCurrentIndex(conductor_->findData(static_cast<int>(nec::CheckOptions{}.conductor)));
    addLabelled(*row, QStringLiteral("Co&nductor"), conductor_, QStringLiteral("Wire conductor"));
    insulation_->addItem(QStringLiteral("Bare"), kBare);
    for (const nec::DielectricRow& material : nec::kDielectrics)
        insulation_->addItem(QStringLiteral("%1 (%2)").arg(ui::toQString(material.name)).arg(material.permittivity),
                             static_cast<int>(material.key));
    insulation_->addItem(QStringLiteral("Other permittivity"), kOwnPermittivity);
    addLabelled(*row, QStringLiteral("Insul&ation"), insulation_, QStringLiteral("Wire insulation"));
    row->addStretch();
    static_cast<QVBoxLayout*>(layout())->addLayout(row);
    // The insulation's figures on a row of their own: the window fits beside the main window.
    row = new QHBoxLayout;
    thickness_->setRange(0.01, nec::kMaxInsulationMm);
    thickness_->setDecimals(2);
    thickness_->setSingleStep(0.05);
    thickness_->setValue(kUsualThicknessMm);
    thickness_->setSuffix(QStringLiteral(" mm"));
    addLabelled(*row, QStringLiteral("T&hickness"), thickness_, QStringLiteral("Insulation thickness, millimetres"));
    permittivity_->setRange(1.01, nec::kMaxInsulationPermittivity);
    permittivity_->setDecimals(2);
    permittivity_->setSingleStep(0.1);
    permittivity_->setValue(nec::kDielectrics.front().permittivity);
    addLabelled(*row, QStringLiteral("&Permittivity"), permittivity_,
                QStringLiteral("Insulation relative permittivity"));
    row->addStretch();
    static_cast<QVBoxLayout*>(layout())->addLayout(row);
}

void ModelOptions::buildBandRow() {
    auto* row = new QHBoxLayout(bandRow_);
    row->setContentsMargins(0, 0, 0, 0);
    for (QLineEdit* edge : {bandLow_, bandHigh_}) {
        edge->setPlaceholderText(QStringLiteral("estimated"));
        edge->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000.0000")) + 16);
    }
    addLabelled(*row, QStringLiteral("Wor&king band from"), bandLow_, QStringLiteral("Working band's low edge, MHz"));
    addLabelled(*row, QStringLiteral("to"), bandHigh_, QStringLiteral("Working band's high edge, MHz"));
    // Short, so that the window still fits beside the main window; the
    // placeholders say what empty fields mean.
    auto* unit = new QLabel(QStringLiteral("MHz"));
    unit->setToolTip(
        QStringLiteral("The lowest gain, F/B and F/R and the highest SWR are taken over this band; "
                       "empty: the estimated range"));
    row->addWidget(unit);
    row->addStretch();
    static_cast<QVBoxLayout*>(layout())->addWidget(bandRow_);
}

void ModelOptions::hideBand() {
    bandLow_->clear();
    bandHigh_->clear();
    bandRow_->hide();
}

nec::Outcome<std::optional<nec::Band>> ModelOptions::band() const {
    const std::string low = bandLow_->text().trimmed().toStdString(), high = bandHigh_->text().trimmed().toStdString();
    if (low.empty() && high.empty()) return std::optional<nec::Band>();
    if (low.empty() || high.empty())
        return nec::refuse("Give both edges of the band in MHz, or leave both empty for the estimated range.");
    auto band = nec::bandOfTexts(low, high);
    if (!band) return nec::refuse(band.error().message);
    return std::optional(*band);
}

void ModelOptions::showInsulation() {
    const int chosen = insulation_->currentData().toInt();
    thickness_->setEnabled(chosen != kBare);
    permittivity_->setEnabled(chosen == kOwnPermittivity);
    if (chosen >= 0) {
        const QSignalBlocker quiet(permittivity_);  // the material's own value is no change of its own
        permittivity_->setValue(nec::rowOf(nec::kDielectrics, static_cast<nec::Dielectric>(chosen)).permittivity);
    }
}

nec::CheckOptions ModelOptions::options() const {
    nec::CheckOptions chosen;
    chosen.shape = shape_->checkedId() == 1 ? nec::LoopShape::Diamond : nec::LoopShape::Square;
    if (ground_->checkedId() == 1) {
        chosen.boomHeightMetres = height_->value();
        chosen.soil = static_cast<nec::Soil>(soil_->currentData().toInt());
    }
    chosen.conductor = static_cast<nec::Conductor>(conductor_->currentData().toInt());
    const int insulation = insulation_->currentData().toInt();
    if (insulation == kOwnPermittivity)
        chosen.insulation = nec::Insulation{thickness_->value(), permittivity_->value()};
    if (insulation >= 0)
        chosen.insulation = nec::insulationOf(thickness_->value(), static_cast<nec::Dielectric>(insulation));
    if (const auto typed = band()) chosen.band = *typed;
    return chosen;
}

}  // namespace loopbeam
