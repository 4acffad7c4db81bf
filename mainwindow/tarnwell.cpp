#include "mainwindow/tarnwell.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

#include "common/text_forms.h"
#include "design/design_types.h"
#include "design/dimensions.h"
#include "design/frequency_lock.h"
#include "design/metric.h"
#include "mainwindow/tarnwell_layout.h"
#include "ui/bitmap.h"
#include "ui/click_events.h"
#include "ui/control_builder.h"
#include "ui/window_printer.h"
#include "ui/window_texts.h"

namespace loopbeam {
namespace {

struct BarSettings {
    int minimum, maximum, smallChange, largeChange, value;
};

void configure(QScrollBar& bar, const BarSettings& settings) {
    bar.setRange(settings.minimum, settings.maximum);
    bar.setSingleStep(settings.smallChange);
    bar.setPageStep(settings.largeChange);
    bar.setValue(settings.value);
    // A dragged thumb changes the value only when it is let go.
    bar.setTracking(false);
}

std::string textOf(const QLineEdit& box) { return box.text().toStdString(); }

}  // namespace

TARNWELL::TARNWELL(DesignState& state)
    : state_(state),
      matching_([&state] { return std::make_unique<Form1>(state); }),
      webLink_([] { return std::make_unique<web>(); }) {
    // A tool-window frame: a thin title bar with a close box only, no title text.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    // Qt drops quit-on-close for tool windows; this one is a primary window.
    setAttribute(Qt::WA_QuitOnClose, true);
    ui::buildWindow(*this, kTarnwellDesign, tarnwellControls());
    control<QLabel>("Image1")->setPixmap(QPixmap::fromImage(ui::readBitmap(QStringLiteral(":/loopbeam/swr.bmp"))));
    freqtxt = control<QLineEdit>("freqtxt");
    awgLab = control<QLabel>("awgLab");
    elLab = control<QLabel>("elLab");
    vsbAwg = control<QScrollBar>("vsbAwg");
    vsbEl = control<QScrollBar>("vsbEl");
    configure(*vsbAwg, {10, 20, 2, 2, 10});
    configure(*vsbEl, {3, 50, 1, 2, 3});
    connectHandlers();
    control<QWidget>("Text1")->setFocus();
}

template <class Widget>
Widget* TARNWELL::control(const char* name) {
    return findChild<Widget*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
}

void TARNWELL::connectHandlers() {
    const auto onClick = [this](const char* name, void (TARNWELL::*handler)()) {
        connect(control<QAbstractButton>(name), &QAbstractButton::clicked, this, handler);
    };
    onClick("Option1", &TARNWELL::Option1_Click);
    onClick("Option2", &TARNWELL::Option2_Click);
    onClick("Option3", &TARNWELL::Option3_Click);
    onClick("Command1", &TARNWELL::Command1_Click);
    onClick("Command2", &TARNWELL::Command2_Click);
    onClick("Command3", &TARNWELL::Command3_Click);
    onClick("Command4", &TARNWELL::Command4_Click);
    onClick("Command5", &TARNWELL::Command5_Click);
    onClick("Command6", &TARNWELL::Command6_Click);
    onClick("mnuWeb", &TARNWELL::mnuWeb_Click);
    connect(vsbAwg, &QScrollBar::valueChanged, this, &TARNWELL::vsbAwg_Change);
    connect(vsbEl, &QScrollBar::valueChanged, this, &TARNWELL::vsbEl_Change);
    ui::onClick(*freqtxt, [this] { freqtxt_Click(); });
}

void TARNWELL::Option1_Click() { selectStandardHighGain(state_, static_cast<std::int16_t>(vsbEl->value())); }
void TARNWELL::Option2_Click() { selectSpecial4or8(state_); }
void TARNWELL::Option3_Click() { selectDoubleReflector(state_); }

void TARNWELL::Command1_Click() {
    ui::showOutcome(*this, QStringLiteral("CALCULATE/FEET & INCHES"),
                    calculateFeetInches(state_, static_cast<std::int16_t>(vsbAwg->value()),
                                        static_cast<std::int16_t>(vsbEl->value())));
}

void TARNWELL::Command2_Click() {
    ui::showOutcome(*this, QStringLiteral("CONVERT TO METRIC"), convertToMetric(state_));
}

void TARNWELL::Command3_Click() { QCoreApplication::exit(0); }

void TARNWELL::Command4_Click() {
    ui::showOutcome(*this, QStringLiteral("SET AND LOCK FREQUENCY"), lockFrequency(state_, textOf(*freqtxt)));
}

void TARNWELL::Command5_Click() { matching_.show(); }

void TARNWELL::Command6_Click() { ui::printOnDefaultPrinter(*this); }

void TARNWELL::mnuWeb_Click() { webLink_.show(); }

void TARNWELL::freqtxt_Click() { freqtxt->setText(ui::toQString(showBackFrequency(state_))); }

void TARNWELL::vsbAwg_Change() {
    awgLab->setText(ui::toQString(integerText(static_cast<std::int16_t>(vsbAwg->value()))));
}

void TARNWELL::vsbEl_Change() { elLab->setText(ui::toQString(integerText(static_cast<std::int16_t>(vsbEl->value())))); }

}  // namespace loopbeam
