#pragma once
// The cut list's tab: the units it is shown in, the list as the core words
// it (nec/cut/cut_sheet.h) on a sheet that prints whole, and its ways out:
// save as CSV and print (the window asks where), copy as plain text. Its As
// cut column, where the sheet has one, takes the lengths the builder cut.

#include <QWidget>
#include <string>
#include <vector>

#include "nec/cut/cut_sheet.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;
class QVBoxLayout;

namespace loopbeam {

class CutListPanel : public QWidget {
    Q_OBJECT

public:
    CutListPanel();

    nec::CutUnits units() const;
    void setUnits(nec::CutUnits units);

    // The sheet in the units shown; none before a check.
    void show(const nec::CutSheet& sheet);
    // Any list as the core words it: its title, header, rows and notes, and the text Copy gives;
    // the cells of editableColumn (none when negative) take typing.
    void show(const std::string& title, const std::vector<std::vector<std::string>>& table,
              const std::vector<std::string>& notes, std::string copied, int editableColumn = -1);
    // A list in both units at once has no choice of them.
    void hideUnits();
    void clear();

    // What prints: the title, the table and the notes, whole.
    QWidget& sheet() const { return *sheet_; }

signals:
    void unitsChanged();
    // Typed into the As cut column: the row's text, said once the table is done with it.
    void asCutTyped(int row, const QString& text);
    void saveAsked();
    void printAsked();

private:
    void fitTable();
    void clearNotes();

    QComboBox* units_;
    QWidget* unitsRow_;
    QLabel* asCutHint_;  // with the As cut column: the sheet prints without it
    QWidget* sheet_;
    QLabel* title_;
    QTableWidget* table_;
    QVBoxLayout* notes_;
    QPushButton* save_;
    QPushButton* print_;
    QPushButton* copy_;
    std::string text_;  // as copied
    bool filling_ = false;
};

}  // namespace loopbeam
