// The move list's table, its buttons and keys.
#include "MoveListWindow.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "Board.h"
#include "BoardTracker.h"
#include "GamePosition.h"
#include "Notation.h"
#include "Openings.h"
#include "Square.h"

namespace {

QToolButton* NavigationButton(const QString& text, const QString& tip, QWidget* parent)
{
    auto* b = new QToolButton(parent);
    b->setText(text);
    b->setToolTip(tip);
    b->setAccessibleName(tip);
    b->setAutoRaise(true);
    return b;
}

} // namespace

MoveListWindow::MoveListWindow(QWidget* mainWindow)
    : QDockWidget(tr("Moves"), mainWindow)
{
    setObjectName(QStringLiteral("MoveList"));
    setFeatures(QDockWidget::DockWidgetClosable);
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    auto* content = new QWidget(this);
    Opening = new QLabel(content);
    Opening->setWordWrap(true);
    Opening->setAccessibleName(tr("Opening"));
    Opening->hide();
    Table = new QTableWidget(0, 2, content);
    Table->setHorizontalHeaderLabels({ tr("Yellow"), tr("Green") });
    Table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    Table->verticalHeader()->setDefaultSectionSize(Table->fontMetrics().height() + 6);
    Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table->setSelectionMode(QAbstractItemView::SingleSelection);
    Table->setSelectionBehavior(QAbstractItemView::SelectItems);
    Table->setAccessibleName(tr("Moves of the game"));
    Table->installEventFilter(this);
    connect(Table, &QTableWidget::cellClicked, this, [this](int row, int column) {
        const std::size_t ply = std::size_t(row) * 2 + std::size_t(column);
        if (ply < PlyList.size() && PlyList[ply].Entry >= 0)
            Jump(PlyList[ply].Entry + 1);
    });

    FirstButton = NavigationButton(QStringLiteral("|<"), tr("First position"), content);
    PreviousButton = NavigationButton(QStringLiteral("<"), tr("Previous move"), content);
    NextButton = NavigationButton(QStringLiteral(">"), tr("Next move"), content);
    LastButton = NavigationButton(QStringLiteral(">|"), tr("Last position"), content);
    connect(FirstButton, &QToolButton::clicked, this, [this] { Jump(0); });
    connect(PreviousButton, &QToolButton::clicked, this, [this] { Jump(Position - 1); });
    connect(NextButton, &QToolButton::clicked, this, [this] { Jump(Position + 1); });
    connect(LastButton, &QToolButton::clicked, this, [this] { Jump(Count); });

    auto* buttons = new QHBoxLayout;
    for (QToolButton* b : { FirstButton, PreviousButton, NextButton, LastButton })
        buttons->addWidget(b);
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(Opening);
    layout->addWidget(Table, 1);
    layout->addLayout(buttons);
    setWidget(content);
    content->setMinimumWidth(180);
    resize(220, 360);
}

void MoveListWindow::ShowRecord()
{
    const OBoardTracker& record = *GameRecord;
    Count = record.Count;
    Position = record.Current;
    // The record keeps no passes; the moves with them give a ply each.
    std::vector<Ply> plies;
    int entry = 0, side = SideYellow;
    // Yellow's column stays Yellow's when Green begins.
    if (record.Count > 0 && record.Entries[0].MoverSide == SideGreen) {
        plies.push_back({ -2, SideYellow });
        side = SideGreen;
    }
    for (const int move : MovesWithPasses(record)) {
        if (move == PassMove) {
            plies.push_back({ -1, side });
        } else {
            side = record.Entries[std::size_t(entry)].MoverSide;
            plies.push_back({ entry++, side });
        }
        side = side == SideYellow ? SideGreen : SideYellow;
    }
    PlyList = std::move(plies);

    // Only the cells that say something else change: a move adds one, a step through the game
    // greys or lightens a few; the table is not built again.
    const int rows = int((PlyList.size() + 1) / 2);
    if (rows != Table->rowCount()) {
        const int before = Table->rowCount();
        Table->setRowCount(rows);
        for (int r = before; r < rows; ++r)
            Table->setVerticalHeaderItem(r, new QTableWidgetItem(QString::number(r + 1)));
    }
    const QBrush played = palette().brush(QPalette::Text);
    const QBrush later = palette().brush(QPalette::Disabled, QPalette::Text);
    QTableWidgetItem* current = nullptr;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < 2; ++c) {
            const std::size_t ply = std::size_t(r) * 2 + std::size_t(c);
            QString text;
            bool afterPosition = false;
            if (ply < PlyList.size()) {
                const Ply& p = PlyList[ply];
                if (p.Entry == -1)
                    text = tr("pass");
                else if (p.Entry >= 0)
                    text = QString::fromStdString(
                        Square::AtIndex(record.Size, record.Entries[std::size_t(p.Entry)].Move)
                            .Name());
                if (p.Entry >= 0 && std::size_t(p.Entry) < Marks.size()
                    && Marks[std::size_t(p.Entry)].Verdict > 0)
                    text += Marks[std::size_t(p.Entry)].Verdict == 1 ? QStringLiteral("?")
                                                                     : QStringLiteral("??");
                afterPosition = p.Entry >= Position;
            }
            QTableWidgetItem* item = Table->item(r, c);
            if (!item) {
                item = new QTableWidgetItem;
                item->setTextAlignment(Qt::AlignCenter);
                Table->setItem(r, c, item);
            }
            if (item->text() != text)
                item->setText(text);
            const QString why = ply < PlyList.size() && PlyList[ply].Entry >= 0
                    && std::size_t(PlyList[ply].Entry) < Marks.size()
                ? Marks[std::size_t(PlyList[ply].Entry)].Why
                : QString();
            if (item->toolTip() != why)
                item->setToolTip(why);
            const QBrush& brush = afterPosition ? later : played;
            if (item->foreground() != brush)
                item->setForeground(brush);
            if (ply < PlyList.size() && PlyList[ply].Entry >= 0
                && PlyList[ply].Entry == Position - 1)
                current = item;
        }
    if (current) {
        if (Table->currentItem() != current)
            Table->setCurrentItem(current);
        Table->scrollToItem(current);
    } else {
        Table->clearSelection();
        Table->setCurrentItem(nullptr);
    }
    // The opening of the moves played so far, while they follow a named line.
    std::vector<int> sofar;
    const bool usualStart = record.Count > 0 && record.Entries[0].MoverSide == SideYellow
        && record.Entries[0].Before == UsualStart(record.Size).Cells;
    for (int i = 0; usualStart && i < Position; ++i)
        sofar.push_back(record.Entries[std::size_t(i)].Move);
    const std::optional<std::string_view> name = OpeningName(record.Size, sofar);
    const QString opening = name
        ? tr("Opening: %1").arg(QString::fromUtf8(name->data(), qsizetype(name->size())))
        : QString();
    if (Opening->text() != opening) {
        Opening->setText(opening);
        Opening->setVisible(!opening.isEmpty());
    }
    FirstButton->setEnabled(Navigation && Position > 0);
    PreviousButton->setEnabled(Navigation && Position > 0);
    NextButton->setEnabled(Navigation && Position < Count);
    LastButton->setEnabled(Navigation && Position < Count);
}

void MoveListWindow::ShowMarks(std::vector<Mark> marks)
{
    Marks = std::move(marks);
    ShowRecord();
}

QString MoveListWindow::OpeningShown() const { return Opening->text(); }

void MoveListWindow::SetNavigationEnabled(bool enabled)
{
    Navigation = enabled;
    Table->setEnabled(enabled);
    ShowRecord();
}

void MoveListWindow::Jump(int position)
{
    if (!Navigation || position < 0 || position > Count || position == Position || !OnJump)
        return;
    OnJump(position);
}

bool MoveListWindow::Navigate(int key)
{
    switch (key) {
    case Qt::Key_Home:
        Jump(0);
        return true;
    case Qt::Key_End:
        Jump(Count);
        return true;
    case Qt::Key_PageUp:
        Jump(Position - 1);
        return true;
    case Qt::Key_PageDown:
        Jump(Position + 1);
        return true;
    default:
        return false;
    }
}

void MoveListWindow::keyPressEvent(QKeyEvent* event)
{
    if (Navigate(event->key()))
        event->accept();
    else
        QDockWidget::keyPressEvent(event);
}

// The table would take these keys for scrolling; here they move through the game.
bool MoveListWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Table && event->type() == QEvent::KeyPress)
        return Navigate(static_cast<QKeyEvent*>(event)->key());
    return QDockWidget::eventFilter(watched, event);
}

void MoveListWindow::closeEvent(QCloseEvent* event)
{
    QDockWidget::closeEvent(event);
    if (OnClosed)
        OnClosed();
}
