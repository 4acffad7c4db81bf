#pragma once
// The main window: the inputs of a design, the buttons that run the
// calculations, the results, the frequency range and the way into the other
// two windows. It reads its controls, calls the core and writes the texts back.

#include <QWidget>

#include "design/boxes.h"
#include "design/calculated_design.h"
#include "design/design_state.h"
#include "matching/form1.h"
#include "necwindow/nec_check_window.h"
#include "severalbands/several_bands_window.h"
#include "ui/controls.h"
#include "ui/single_window.h"
#include "weblink/web.h"

class QLabel;
class QLineEdit;
class QScrollBar;

namespace loopbeam {

class TARNWELL : public QWidget {
    Q_OBJECT

public:
    explicit TARNWELL(DesignState& state);

    // The other two windows, once MATCHING INFO or WEB LINK has created them.
    Form1* matchingWindow() const { return matching_.get(); }
    web* webLinkWindow() const { return webLink_.get(); }
    NecCheckWindow* checkWindow() const { return check_.get(); }
    SeveralBandsWindow* severalBandsWindow() const { return severalBands_.get(); }

    // What has changed since the design was calculated.
    std::vector<std::string> changesSince(const CalculatedDesign& design) const;
    // The result boxes and the frequency box on the screen: what another window must not cover.
    std::vector<QRect> boxesInView() const;

    // The context menu's entries: open the check window (it checks the design
    // as last calculated), and save the design's NEC-2 deck.
    void checkWithNec();
    void saveNecDeck();
    // Opens the window of a quad for several bands, from here or from the check window.
    void openSeveralBands();

signals:
    // The lock, a selector, the design type or the calculation has changed.
    void designChanged();

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
    void changeEvent(QEvent* event) override;

private:
    void connectHandlers();
    void addCheckEntries();
    QMargins frameMargins() const;
    void chooseDesignType(DesignType type);

    DesignState& state_;
    ui::SingleWindow<Form1> matching_;
    ui::SingleWindow<web> webLink_;
    ui::SingleWindow<SeveralBandsWindow> severalBands_;
    CalculationRecord record_;  // before the check window, which reads it until it is gone
    ui::SingleWindow<NecCheckWindow> check_;

    ui::Controls controls_;
    ui::BoxWidgets<MainBox, kMainBoxes.size()> boxes_;
    QLineEdit* freqtxt;
    QLabel* awgLab;
    QLabel* elLab;
    QScrollBar* vsbAwg;
    QScrollBar* vsbEl;
};

}  // namespace loopbeam
