#pragma once
// The tuning's controls: the goal, a line saying what that goal changes, and
// Tune. The check window runs the tuning with its own progress and Cancel.

#include <QWidget>
#include <functional>
#include <string>

#include "nec/tuning/tune.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace loopbeam {

class TunePanel : public QWidget {
    Q_OBJECT

public:
    // offered: the goals listed, of kTuneGoals; all of them without it. changes:
    // what a goal changes; without it, kTuneGoals' words.
    explicit TunePanel(const std::function<bool(nec::TuneGoal)>& offered = {},
                       std::function<std::string(nec::TuneGoal)> changes = {});

    nec::TuneGoal goal() const;
    void setTuneEnabled(bool enabled);

signals:
    void tuneAsked();

private:
    void sayWhatItChanges();

    std::function<std::string(nec::TuneGoal)> changesOf_;
    QComboBox* goal_;
    QPushButton* tune_;
    QLabel* changes_;
};

}  // namespace loopbeam
