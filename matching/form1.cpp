#include "matching/form1.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "design/cables.h"
#include "design/captions.h"
#include "design/matching_section.h"
#include "matching/form1_layout.h"
#include "ui/bitmap.h"
#include "ui/control_builder.h"
#include "ui/show_outcome.h"
#include "ui/window_printer.h"

namespace loopbeam {
namespace {

using form1_layout::row;

constexpr auto kBoxRows = ui::boxRows(form1_layout::kControls, kMatchingBoxes);

}  // namespace

Form1::Form1(DesignState& state)
    : state_(state),
      controls_(ui::buildWindow(*this, form1_layout::kDesign, form1_layout::kControls)),
      boxes_(controls_, kBoxRows),
      List1(controls_.at<QListWidget>(row("List1"))) {
    controls_.at<QLabel>(row("Picture1"))
        ->setPixmap(QPixmap::fromImage(ui::readBitmap(QStringLiteral(":/loopbeam/matching.bmp"))));
    // A selection by mouse or keyboard is the list's click; the focus alone selects nothing.
    connect(List1, &QListWidget::itemSelectionChanged, this, &Form1::List1_Click);
    const auto onClick = [this](std::size_t row, void (Form1::*handler)()) {
        connect(controls_.at<QPushButton>(row), &QPushButton::clicked, this, handler);
    };
    onClick(row("Command1"), &Form1::Command1_Click);
    onClick(row("Command2"), &Form1::Command2_Click);
    onClick(row("Command3"), &Form1::Command3_Click);
    Form_Load();
    ui::describeBoxes(boxes_);
}

void Form1::reload() {
    ui::restoreTexts(controls_, form1_layout::kControls);
    Form_Load();
    ui::describeBoxes(boxes_);
    resize(form1_layout::kDesign.clientArea.pixels().size());
    controls_.at<QWidget>(0)->setFocus();  // the first control by tab order
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

void Form1::Command1_Click() { ui::showOutcome(*this, captions::kMatchFeetInches, matchFeetInches(state_), boxes_); }

void Form1::Command2_Click() { ui::showOutcome(*this, captions::kMatchMetric, matchMetric(state_), boxes_); }

void Form1::Command3_Click() { ui::printOnDefaultPrinter(*this); }

}  // namespace loopbeam
