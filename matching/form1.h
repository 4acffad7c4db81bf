#pragma once
// The matching window "QUAD MATCHING": the cable list and the length of the
// quarter-wave 75-ohm section for the locked frequency.

#include <QWidget>

#include "design/boxes.h"
#include "design/design_state.h"
#include "ui/controls.h"

class QListWidget;

namespace loopbeam {

class Form1 : public QWidget {
    Q_OBJECT

public:
    explicit Form1(DesignState& state);

    // Loads the window anew from its design, as after the user closed it.
    void reload();

public slots:
    void Form_Load();
    void List1_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

private:
    DesignState& state_;
    ui::Controls controls_;
    ui::BoxWidgets<MatchingBox, kMatchingBoxes.size()> boxes_;
    QListWidget* List1;
};

}  // namespace loopbeam
