#include "matching/form1.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "matching/cables.h"
#include "matching/form1_layout.h"
#include "matching/matching_section.h"
#include "ui/bitmap.h"
#include "ui/control_builder.h"
#include "ui/window_printer.h"
#include "ui/window_texts.h"

namespace loopbeam {

Form1::Form1(DesignState& state) : state_(state) {
    ui::buildWindow(*this, kForm1Design, form1Controls());
    findChild<QLabel*>(QStringLiteral("Picture1"))
        ->setPixmap(QPixmap::fromImage(ui::readBitmap(QStringLiteral(":/loopbeam/matching.bmp"))));
    List1 = findChild<QListWidget*>(QStringLiteral("List1"));
    // A selection by mouse or keyboard is the list's click; the focus alone selects nothing.
    connect(List1, &QListWidget::itemSelectionChanged, this, &Form1::List1_Click);
    const auto onClick = [this](const char* name, void (Form1::*handler)()) {
        connect(findChild<QPushButton*>(QString::fromLatin1(name)), &QPushButton::clicked, this, handler);
    };
    onClick("Command1", &Form1::Command1_Click);
    onClick("Command2", &Form1::Command2_Click);
    onClick("Command3", &Form1::Command3_Click);
    Form_Load();
}

void Form1::reload() {
    ui::restoreTexts(*this, form1Controls());
    Form_Load();
}

void Form1::Form_Load() {
    const QSignalBlocker loading(List1);  // loading is not a choice of cable
    List1->clear();
    for (const CableType& cable : kCables) List1->addItem(ui::toQString(cable.entry));
}

void Form1::List1_Click() {
    const QList<QListWidgetItem*> selected = List1->selectedItems();
    chooseCable(state_, static_cast<std::int16_t>(selected.isEmpty() ? -1 : List1->row(selected.first())));
}

void Form1::Command1_Click() { ui::showOutcome(*this, QStringLiteral("CALCULATE FT/INCHES"), matchFeetInches(state_)); }

void Form1::Command2_Click() { ui::showOutcome(*this, QStringLiteral("CALCULATE METER/CM"), matchMetric(state_)); }

void Form1::Command3_Click() { ui::printOnDefaultPrinter(*this); }

}  // namespace loopbeam
