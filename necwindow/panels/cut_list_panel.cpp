#include "necwindow/panels/cut_list_panel.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTableWidget>

#include "ui/scroll_page.h"
#include "ui/show_outcome.h"

namespace loopbeam {
namespace {

constexpr std::string_view kPrintCaption = "Print...";

QLabel* wrapped(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

}  // namespace

CutListPanel::CutListPanel()
    : units_(new QComboBox),
      unitsRow_(new QWidget),
      asCutHint_(new QLabel(QStringLiteral("Type in the As cut column the lengths you cut: the trims follow."))),
      sheet_(new QWidget),
      title_(wrapped(sheet_)),
      table_(new QTableWidget(sheet_)),
      notes_(new QVBoxLayout),
      save_(new QPushButton(QStringLiteral("Save as CSV..."))),
      print_(new QPushButton(ui::toQString(kPrintCaption))),
      copy_(new QPushButton(QStringLiteral("Copy as te&xt"))) {
    setObjectName(QStringLiteral("cutList"));
    units_->setObjectName(QStringLiteral("cutUnits"));
    units_->addItem(QStringLiteral("feet and inches, to 1/16 inch"), static_cast<int>(nec::CutUnits::FeetInches));
    units_->addItem(QStringLiteral("metres, to the millimetre"), static_cast<int>(nec::CutUnits::Metres));
    units_->setAccessibleName(QStringLiteral("Units of the cut list"));
    auto* unitsLabel = new QLabel(QStringLiteral("Sho&w lengths in"));
    unitsLabel->setBuddy(units_);
    connect(units_, &QComboBox::currentIndexChanged, this, &CutListPanel::unitsChanged);
    connect(table_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (filling_) return;
        // Queued: the window shows the list anew, which replaces this very item.
        QMetaObject::invokeMethod(
            this, [this, row = item->row(), text = item->text()] { emit asCutTyped(row, text); }, Qt::QueuedConnection);
    });

    // The sheet: white as the paper it prints on, as tall as its rows.
    sheet_->setObjectName(QStringLiteral("cutListSheet"));
    sheet_->setAutoFillBackground(true);
    sheet_->setBackgroundRole(QPalette::Base);
    QFont bold = title_->font();
    bold.setBold(true);
    title_->setFont(bold);
    table_->setObjectName(QStringLiteral("cutTable"));
    table_->setAccessibleName(QStringLiteral("Cut list"));
    // Only the As cut column's cells take an edit.
    table_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setTabKeyNavigation(false);  // Tab goes on to the buttons
    table_->verticalHeader()->hide();
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    auto* sheetRows = new QVBoxLayout(sheet_);
    sheetRows->addWidget(title_);
    sheetRows->addWidget(table_);
    sheetRows->addLayout(notes_);
    sheetRows->addStretch();

    QScrollArea* scroll = ui::scrollPage(sheet_, QStringLiteral("Cut list with its notes"));
    auto* top = new QHBoxLayout(unitsRow_);
    top->setContentsMargins(0, 0, 0, 0);
    top->addWidget(unitsLabel);
    top->addWidget(units_);
    asCutHint_->setWordWrap(true);  // never widens the window
    top->addSpacing(12);
    top->addWidget(asCutHint_, 1);
    auto* buttons = new QHBoxLayout;
    save_->setShortcut(QKeySequence::Save);  // on this page only: its buttons are hidden on the others
    print_->setShortcut(QKeySequence::Print);
    for (QPushButton* button : {save_, print_})
        button->setToolTip(button->shortcut().toString(QKeySequence::NativeText));
    for (QPushButton* button : {save_, print_, copy_}) buttons->addWidget(button);
    buttons->addStretch();
    auto* page = new QVBoxLayout(this);
    page->addWidget(unitsRow_);
    page->addWidget(scroll, 1);
    page->addLayout(buttons);

    connect(save_, &QPushButton::clicked, this, &CutListPanel::saveAsked);
    connect(print_, &QPushButton::clicked, this, &CutListPanel::printAsked);
    connect(copy_, &QPushButton::clicked, this, [this] { QApplication::clipboard()->setText(ui::toQString(text_)); });
    clear();
}

nec::CutUnits CutListPanel::units() const { return static_cast<nec::CutUnits>(units_->currentData().toInt()); }

void CutListPanel::setUnits(nec::CutUnits units) { units_->setCurrentIndex(units_->findData(static_cast<int>(units))); }

void CutListPanel::show(const nec::CutSheet& sheet) {
    std::vector<std::vector<std::string>> table{sheet.header};
    table.insert(table.end(), sheet.rows.begin(), sheet.rows.end());
    const int asCutColumn = sheet.asCutMetres.empty() ? -1 : static_cast<int>(nec::CutSheet::kAsCutColumn);
    show(sheet.title + "\n" + sheet.model, table, sheet.notes, nec::plainText(sheet), asCutColumn);
}

void CutListPanel::show(const std::string& title, const std::vector<std::vector<std::string>>& table,
                        const std::vector<std::string>& notes, std::string copied, int editableColumn) {
    text_ = std::move(copied);
    title_->setText(ui::toQString(title));
    filling_ = true;  // the items set here are no edit
    table_->clear();
    const std::size_t rows = table.empty() ? 0 : table.size() - 1;
    table_->setColumnCount(table.empty() ? 0 : static_cast<int>(table.front().size()));
    table_->setRowCount(static_cast<int>(rows));
    QStringList header;
    if (!table.empty())
        for (const std::string& text : table.front()) header << ui::toQString(text);
    table_->setHorizontalHeaderLabels(header);
    asCutHint_->setVisible(editableColumn >= 0);
    QString group;  // a first column left empty groups the row with those above it
    for (std::size_t r = 0; r < rows; ++r)
        for (std::size_t c = 0; c < table[r + 1].size(); ++c) {
            auto* item = new QTableWidgetItem(ui::toQString(table[r + 1][c]));
            if (c == 0 && !item->text().isEmpty()) group = item->text();
            // A screen reader names the group where the eye sees it above.
            if (c == 0 && item->text().isEmpty()) item->setData(Qt::AccessibleTextRole, group);
            if (static_cast<int>(c) == editableColumn)
                item->setToolTip(QStringLiteral("Type the length you cut: the trims follow from it"));
            else
                item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            table_->setItem(static_cast<int>(r), static_cast<int>(c), item);
        }
    filling_ = false;
    fitTable();
    clearNotes();
    for (const std::string& note : notes) {
        QLabel* label = wrapped(sheet_);
        label->setText(ui::toQString(note));
        notes_->addWidget(label);
    }
    for (QPushButton* button : {save_, print_, copy_}) button->setEnabled(true);
}

void CutListPanel::hideUnits() { unitsRow_->hide(); }

void CutListPanel::clear() {
    text_.clear();
    asCutHint_->hide();
    title_->setText(QStringLiteral("The cut list shows once the check has its results."));
    table_->setRowCount(0);
    table_->setColumnCount(0);
    clearNotes();
    for (QPushButton* button : {save_, print_, copy_}) button->setEnabled(false);
}

void CutListPanel::clearNotes() {
    while (QLayoutItem* item = notes_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
}

// The whole table in view: the sheet scrolls, and prints, whole.
void CutListPanel::fitTable() {
    table_->resizeColumnsToContents();
    table_->resizeRowsToContents();
    int height = table_->horizontalHeader()->sizeHint().height() + 2 * table_->frameWidth();
    for (int r = 0; r < table_->rowCount(); ++r) height += table_->rowHeight(r);
    int width = 2 * table_->frameWidth();
    for (int c = 0; c < table_->columnCount(); ++c) width += table_->columnWidth(c);
    table_->setFixedSize(width, height);
}

}  // namespace loopbeam
