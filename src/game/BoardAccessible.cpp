// The board's accessible table and its squares.
#include "BoardAccessible.h"

#include <QCoreApplication>

#include "Board.h"
#include "BoardView.h"
#include "GameFlow.h"
#include "RoutineTable.h"

namespace {

// Row r of the table is the board's row r from the top, as it is shown.
class SquareAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    SquareAccessible(BoardAccessible* table, int row, int column)
        : Table(table)
        , Row(row)
        , Column(column)
    {
    }

    bool isValid() const override { return Table && Table->Board(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return Table->window(); }
    QAccessibleInterface* parent() const override { return Table; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.focusable = true;
        const BoardView* board = Table->Board();
        s.focused
            = board && board->hasFocus() && board->HoverCol == Column && board->HoverRow == Row;
        return s;
    }
    void setText(QAccessible::Text, const QString&) override { }
    QRect rect() const override
    {
        const BoardView* board = Table->Board();
        if (!board)
            return {};
        return board->SquareOnScreen(Column, Row);
    }
    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name && t != QAccessible::Description)
            return {};
        const int square = SquareIndex(Column, Row);
        QString name = QString::fromStdString(SquareName(BoardSize, square)) + QStringLiteral(", ");
        switch (BoardStack[0][square]) {
        case CellYellow:
            return name + QCoreApplication::translate("BoardAccessible", "Yellow disc");
        case CellGreen:
            return name + QCoreApplication::translate("BoardAccessible", "Green disc");
        default:
            name += QCoreApplication::translate("BoardAccessible", "empty");
            if (!GameOver && Routines.IsLegalMove(BoardStack[0], square, SideToMove, Opponent()))
                name += QStringLiteral(", ")
                    + QCoreApplication::translate("BoardAccessible", "legal move");
            return name;
        }
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::TableCellInterface
            ? static_cast<QAccessibleTableCellInterface*>(this)
            : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return Column; }
    int rowIndex() const override { return Row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return Table; }

private:
    BoardAccessible* Table;
    int Row, Column;
};

// Asked for every class of an object's chain; the board has no meta-object of its own, so it is
// recognised by its type.
QAccessibleInterface* BoardFactory(const QString&, QObject* object)
{
    if (auto* board = dynamic_cast<BoardView*>(object))
        return new BoardAccessible(board);
    return nullptr;
}

} // namespace

void InstallBoardAccessibility() { QAccessible::installFactory(&BoardFactory); }

BoardAccessible::BoardAccessible(BoardView* board)
    : QAccessibleWidget(board, QAccessible::Table)
{
}

BoardAccessible::~BoardAccessible()
{
    for (const QAccessible::Id id : Cells)
        if (id)
            QAccessible::deleteAccessibleInterface(id);
}

BoardView* BoardAccessible::Board() const { return static_cast<BoardView*>(widget()); }

QString BoardAccessible::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name:
        return QCoreApplication::translate("BoardAccessible", "Reversi board");
    case QAccessible::Description: {
        QString d
            = QCoreApplication::translate("BoardAccessible", "%1 by %1 squares.").arg(BoardSize)
            + QLatin1Char(' ');
        d += GameOver ? QCoreApplication::translate("BoardAccessible", "The game is over.")
            : SideToMove == SideYellow
            ? QCoreApplication::translate("BoardAccessible", "Yellow is to move.")
            : QCoreApplication::translate("BoardAccessible", "Green is to move.");
        const QString last = Board()->LastAnnouncement();
        if (!last.isEmpty())
            d += QLatin1Char(' ') + last;
        return d;
    }
    default:
        return QAccessibleWidget::text(t);
    }
}

int BoardAccessible::rowCount() const { return BoardSize; }
int BoardAccessible::columnCount() const { return BoardSize; }
int BoardAccessible::childCount() const { return BoardSize * BoardSize; }

QString BoardAccessible::columnDescription(int column) const
{
    return QString(QChar(u'A' + column));
}

QString BoardAccessible::rowDescription(int row) const { return QString::number(BoardSize - row); }

QAccessibleInterface* BoardAccessible::cellAt(int row, int column) const
{
    if (row < 0 || row >= BoardSize || column < 0 || column >= BoardSize)
        return nullptr;
    const std::size_t index = std::size_t(row * BoardSize + column);
    if (Cells.size() != std::size_t(BoardSize * BoardSize)) {
        // The board's size changed: squares of the old one are gone.
        for (const QAccessible::Id id : Cells)
            if (id)
                QAccessible::deleteAccessibleInterface(id);
        Cells.assign(std::size_t(BoardSize * BoardSize), 0);
    }
    if (!Cells[index]) {
        auto* cell = new SquareAccessible(const_cast<BoardAccessible*>(this), row, column);
        Cells[index] = QAccessible::registerAccessibleInterface(cell);
    }
    return QAccessible::accessibleInterface(Cells[index]);
}

QAccessibleInterface* BoardAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    return cellAt(index / BoardSize, index % BoardSize);
}

int BoardAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    if (!child || child->role() != QAccessible::Cell)
        return -1;
    auto* cell = static_cast<const SquareAccessible*>(child);
    return cell->rowIndex() * BoardSize + cell->columnIndex();
}

QAccessibleInterface* BoardAccessible::childAt(int x, int y) const
{
    const QPoint square = Board()->SquareAt(QPoint(x, y));
    if (square.x() < 0)
        return nullptr;
    return cellAt(square.y(), square.x());
}

void* BoardAccessible::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
}
