// The board as a screen reader meets it: a table of squares, each named by the board's border
// labels and what it holds ("E6, Yellow disc", "D3, empty, legal move"), the board named and
// described, and what happens on it announced. Installed by the main window for its board view.
#pragma once

#include <QAccessibleWidget>
#include <vector>

class BoardView;

// Makes the accessibility framework use BoardAccessible for every BoardView.
void InstallBoardAccessibility();

class BoardAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit BoardAccessible(BoardView* board);
    ~BoardAccessible() override;

    QAccessible::Role role() const override { return QAccessible::Table; }
    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    void* interface_cast(QAccessible::InterfaceType t) override;

    // --- the table ---
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int columnCount() const override;
    int rowCount() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int selectedCellCount() const override { return 0; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override { }

    BoardView* Board() const;

private:
    mutable std::vector<QAccessible::Id> Cells; // by row × size + column, made when asked for
};
