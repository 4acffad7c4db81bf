#include "mainwindow/tarnwell.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

#include "common/text_forms.h"
#include "design/captions.h"
#include "design/design_types.h"
#include "design/dimensions.h"
#include "design/frequency_lock.h"
#include "design/matching_section.h"
#include "design/metric.h"
#include "design/result_rows.h"
#include "design/selectors.h"
#include "design/unit_headings.h"
#include "mainwindow/tarnwell_layout.h"
#include "necwindow/check_entries.h"
#include "necwindow/check_files.h"
#include "ui/bitmap.h"
#include "ui/click_events.h"
#include "ui/control_builder.h"
#include "ui/show_outcome.h"
#include "ui/window_printer.h"
#include "ui/wrapping_option.h"
#include "ui/x11_desktop.h"

namespace loopbeam {
namespace {

using tarnwell_layout::row;

constexpr auto kBoxRows = ui::boxRows(tarnwell_layout::kControls, kMainBoxes);

struct BarSteps {
    int smallChange, largeChange;
};

// The bar starts at the top of its range; the bottom is its maximum.
void configure(QScrollBar& bar, const SelectorRange& range, const BarSteps& steps) {
    bar.setRange(range.minimum, range.maximum);
    bar.setSingleStep(steps.smallChange);
    bar.setPageStep(steps.largeChange);
    bar.setValue(range.minimum);
    // A dragged thumb changes the value only when it is let go.
    bar.setTracking(false);
}

std::string textOf(const QLineEdit& box) { return box.text().toStdString(); }

std::int16_t valueOf(const QScrollBar& bar) { return static_cast<std::int16_t>(bar.value()); }

}  // namespace

TARNWELL::TARNWELL(DesignState& state)
    : state_(state),
      matching_([&state] { return std::make_unique<Form1>(state); }),
      webLink_([] { return std::make_unique<web>(); }),
      severalBands_([this] {
          return std::make_unique<SeveralBandsWindow>(MainWindowFrame{
              [this] { return frameGeometry(); }, [this] { return boxesInView(); }, [this] { return frameMargins(); }});
      }),
      check_([this] {
          auto window = std::make_unique<NecCheckWindow>(CheckSource{
              [this] { return record_.last; }, [this](const CalculatedDesign& design) { return changesSince(design); },
              [this] { return frameGeometry(); }, [this] { return boxesInView(); }, [this] { return frameMargins(); },
              [this] { return ui::boxText(boxes_[kWholeHeadingBox]) == ui::toQString(kMetresHeading.text); },
              [this] { return chosenCable(state_); }, [this] { openSeveralBands(); }});
          connect(this, &TARNWELL::designChanged, window.get(), &NecCheckWindow::showStaleness);
          return window;
      }),
      controls_(ui::buildWindow(*this, tarnwell_layout::kDesign, tarnwell_layout::kControls)),
      boxes_(controls_, kBoxRows),
      freqtxt(controls_.at<QLineEdit>(row(factsOf(MainBox::freqtxt).name))),
      awgLab(controls_.at<QLabel>(row("awgLab"))),
      elLab(controls_.at<QLabel>(row("elLab"))),
      vsbAwg(controls_.at<QScrollBar>(row("vsbAwg"))),
      vsbEl(controls_.at<QScrollBar>(row("vsbEl"))) {
    // A tool-window frame: a thin title bar with a close box only, no title text.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    // Qt drops quit-on-close for tool windows; this one is a primary window.
    setAttribute(Qt::WA_QuitOnClose, true);
    // The title bar shows no text, and the window stays out of the task bar.
    winId();
    ui::clearTitleProperties(*this);
    ui::keepOutOfTaskbar(*this, true);
    controls_.at<QLabel>(row("Image1"))
        ->setPixmap(QPixmap::fromImage(ui::readBitmap(QStringLiteral(":/loopbeam/swr.bmp"))));
    ui::describeBoxes(boxes_);
    configure(*vsbAwg, kGauges, {2, 2});
    configure(*vsbEl, kElementCounts, {1, 2});
    connectHandlers();
    addCheckEntries();
    controls_.at<QWidget>(row("Text1"))->setFocus();
}

void TARNWELL::changeEvent(QEvent* event) {
    // A window manager may minimise it all the same; then the task bar is the
    // way back to it, until it is restored.
    if (event->type() == QEvent::WindowStateChange) ui::keepOutOfTaskbar(*this, !isMinimized());
    QWidget::changeEvent(event);
}

void TARNWELL::connectHandlers() {
    const auto onClick = [this](std::size_t row, void (TARNWELL::*handler)()) {
        connect(controls_.at<QAbstractButton>(row), &QAbstractButton::clicked, this, handler);
    };
    const auto onChosen = [this](std::size_t row, void (TARNWELL::*handler)()) {
        connect(controls_.at<ui::WrappingOption>(row), &ui::WrappingOption::chosen, this, handler);
    };
    onChosen(row("Option1"), &TARNWELL::Option1_Click);
    onChosen(row("Option2"), &TARNWELL::Option2_Click);
    onChosen(row("Option3"), &TARNWELL::Option3_Click);
    onClick(row("Command1"), &TARNWELL::Command1_Click);
    onClick(row("Command2"), &TARNWELL::Command2_Click);
    onClick(row("Command3"), &TARNWELL::Command3_Click);
    onClick(row("Command4"), &TARNWELL::Command4_Click);
    onClick(row("Command5"), &TARNWELL::Command5_Click);
    onClick(row("Command6"), &TARNWELL::Command6_Click);
    onClick(row("mnuWeb"), &TARNWELL::mnuWeb_Click);
    connect(vsbAwg, &QScrollBar::valueChanged, this, &TARNWELL::vsbAwg_Change);
    connect(vsbEl, &QScrollBar::valueChanged, this, &TARNWELL::vsbEl_Change);
    ui::onClick(*freqtxt, [this] { freqtxt_Click(); });
}

void TARNWELL::addCheckEntries() {
    const auto entry = [this](const QString& caption, const QKeySequence& shortcut, void (TARNWELL::*run)()) {
        auto* action = new QAction(caption, this);
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, run);
        addAction(action);
    };
    entry(check_entries::checkCaption(), check_entries::checkShortcut(), &TARNWELL::checkWithNec);
    entry(check_entries::saveDeckCaption(), check_entries::saveDeckShortcut(), &TARNWELL::saveNecDeck);
    entry(check_entries::severalBandsCaption(), check_entries::severalBandsShortcut(), &TARNWELL::openSeveralBands);
    setContextMenuPolicy(Qt::ActionsContextMenu);  // a right click lists these
}

QMargins TARNWELL::frameMargins() const {
    const QRect frame = frameGeometry(), client = geometry();
    return QMargins(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                    frame.bottom() - client.bottom());
}

void TARNWELL::openSeveralBands() { severalBands_.show(); }

void TARNWELL::checkWithNec() {
    if (!record_.last) {
        ui::showProblem(*this, check_entries::checkCaption().toStdString(), check_entries::noDesignYet());
        return;
    }
    const bool wasOpen = check_.get() && check_.get()->isVisible();
    check_.show();
    if (!wasOpen)
        check_.get()->startCheck();
    else
        check_.get()->checkIfOutOfDate();
}

void TARNWELL::saveNecDeck() {
    if (!record_.last) {
        ui::showProblem(*this, check_entries::saveDeckCaption().toStdString(), check_entries::noDesignYet());
        return;
    }
    saveDeckThroughDialog(*this, QStringLiteral("Save NEC-2 deck"), *record_.last);
}

std::vector<std::string> TARNWELL::changesSince(const CalculatedDesign& design) const {
    return loopbeam::changesSince(design, state_.freq, valueOf(*vsbEl), valueOf(*vsbAwg), record_.typeClicked);
}

std::vector<QRect> TARNWELL::boxesInView() const {
    std::vector<QRect> rects;
    const auto onScreen = [](const QWidget& box) { return QRect(box.mapToGlobal(QPoint(0, 0)), box.size()); };
    for (const LengthRow& row : kLengthRows)
        for (const MainBox box : {row.wholeBox, row.fractionBox}) rects.push_back(onScreen(boxes_[box]));
    for (const MainBox box : {kWholeHeadingBox, kFractionHeadingBox, MainBox::freqtxt})
        rects.push_back(onScreen(boxes_[box]));
    return rects;
}

void TARNWELL::Option1_Click() { chooseDesignType(DesignType::StandardHighGain); }
void TARNWELL::Option2_Click() { chooseDesignType(DesignType::Special4or8); }
void TARNWELL::Option3_Click() { chooseDesignType(DesignType::DoubleReflector); }

void TARNWELL::chooseDesignType(DesignType type) {
    selectDesignType(state_, type, valueOf(*vsbEl));
    record_.typeClicked = type;
    record_.elementsAtClick = valueOf(*vsbEl);
    emit designChanged();
}

void TARNWELL::Command1_Click() {
    const bool calculated = ui::showOutcome(*this, captions::kCalculateFeetInches,
                                            calculateFeetInches(state_, valueOf(*vsbAwg), valueOf(*vsbEl)), boxes_);
    // A refused calculation leaves no design to check.
    record_.last =
        calculated && record_.typeClicked
            ? std::optional(calculatedDesign(state_, *record_.typeClicked, record_.elementsAtClick, valueOf(*vsbEl)))
            : std::nullopt;
    emit designChanged();
}

void TARNWELL::Command2_Click() { ui::showOutcome(*this, captions::kConvertToMetric, convertToMetric(state_), boxes_); }

void TARNWELL::Command3_Click() { QCoreApplication::exit(0); }

void TARNWELL::Command4_Click() {
    if (ui::showOutcome(*this, captions::kLockFrequency, lockFrequency(state_, textOf(*freqtxt)), boxes_))
        emit designChanged();
}

void TARNWELL::Command5_Click() { matching_.show(); }

void TARNWELL::Command6_Click() { ui::printOnDefaultPrinter(*this); }

void TARNWELL::mnuWeb_Click() { webLink_.show(); }

void TARNWELL::freqtxt_Click() { freqtxt->setText(ui::toQString(showBackFrequency(state_))); }

void TARNWELL::vsbAwg_Change() {
    awgLab->setText(ui::toQString(integerText(valueOf(*vsbAwg))));
    emit designChanged();
}

void TARNWELL::vsbEl_Change() {
    elLab->setText(ui::toQString(integerText(valueOf(*vsbEl))));
    emit designChanged();
}

}  // namespace loopbeam
