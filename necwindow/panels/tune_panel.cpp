#include "necwindow/panels/tune_panel.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "nec/choice_table.h"
#include "ui/show_outcome.h"

namespace loopbeam {

TunePanel::TunePanel(const std::function<bool(nec::TuneGoal)>& offered,
                     std::function<std::string(nec::TuneGoal)> changes)
    : changesOf_(std::move(changes)),
      goal_(new QComboBox),
      tune_(new QPushButton(QStringLiteral("T&une"))),
      changes_(new QLabel) {
    goal_->setObjectName(QStringLiteral("tuneGoal"));
    goal_->setAccessibleName(QStringLiteral("Tuning goal"));
    for (const nec::TuneGoalRow& goal : nec::kTuneGoals)
        if (!offered || offered(goal.key)) goal_->addItem(ui::toQString(goal.word), static_cast<int>(goal.key));
    auto* label = new QLabel(QStringLiteral("&Goal"));
    label->setBuddy(goal_);
    tune_->setObjectName(QStringLiteral("tune"));
    changes_->setObjectName(QStringLiteral("tuneChanges"));
    changes_->setWordWrap(true);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(label);
    row->addWidget(goal_);
    row->addWidget(tune_);
    row->addWidget(changes_, 1);
    connect(goal_, &QComboBox::currentIndexChanged, this, &TunePanel::sayWhatItChanges);
    connect(tune_, &QPushButton::clicked, this, &TunePanel::tuneAsked);
    sayWhatItChanges();
}

nec::TuneGoal TunePanel::goal() const { return static_cast<nec::TuneGoal>(goal_->currentData().toInt()); }

void TunePanel::setTuneEnabled(bool enabled) { tune_->setEnabled(enabled); }

void TunePanel::sayWhatItChanges() {
    const QString changes =
        changesOf_ ? ui::toQString(changesOf_(goal())) : ui::toQString(nec::rowOf(nec::kTuneGoals, goal()).changes);
    changes_->setText(QStringLiteral("Tuning for %1 %2.").arg(goal_->currentText(), changes));
    tune_->setAccessibleDescription(changes_->text());
}

}  // namespace loopbeam
