#pragma once
// The main window: the inputs of a design, the buttons that run the
// calculations, the results, the frequency range and the way into the other
// two windows. It reads its controls, calls the core and writes the texts back.

#include <QWidget>
#include <functional>

#include "design/design_state.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace loopbeam {

class TARNWELL : public QWidget {
    Q_OBJECT

public:
    explicit TARNWELL(DesignState& state);

    // What MATCHING INFO and WEB LINK show; the program sets them.
    void setWindowOpeners(std::function<void()> matching, std::function<void()> webLink);

public slots:
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void mnuWeb_Click();
    void freqtxt_Click();
    void vsbAwg_Change();
    void vsbEl_Change();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    template <class Widget>
    Widget* control(const char* name);
    void connectHandlers();

    DesignState& state_;
    std::function<void()> openMatching_;
    std::function<void()> openWebLink_;

    QLineEdit* freqtxt;
    QLabel* awgLab;
    QLabel* elLab;
    QScrollBar* vsbAwg;
    QScrollBar* vsbEl;
};

}  // namespace loopbeam
