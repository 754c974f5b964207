// The move list's table, its buttons and keys.
#include "MoveListWindow.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "Board.h"
#include "BoardTracker.h"

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
    // The record keeps no passes: a side that moves twice running means the other passed.
    PlyList.clear();
    int expected = SideYellow;
    for (int i = 0; i < record.Count; ++i) {
        const int mover = record.Entries[std::size_t(i)].MoverSide;
        if (mover != expected)
            PlyList.push_back({ -1, expected });
        PlyList.push_back({ i, mover });
        expected = mover == SideYellow ? SideGreen : SideYellow;
    }
    const int rows = int((PlyList.size() + 1) / 2);
    Table->setRowCount(rows);
    QStringList numbers;
    for (int r = 0; r < rows; ++r)
        numbers << QString::number(r + 1);
    Table->setVerticalHeaderLabels(numbers);
    Table->clearSelection();
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < 2; ++c) {
            const std::size_t ply = std::size_t(r) * 2 + std::size_t(c);
            QString text;
            if (ply < PlyList.size())
                text = PlyList[ply].Entry < 0
                    ? tr("pass")
                    : QString::fromStdString(SquareName(
                        record.Size, record.Entries[std::size_t(PlyList[ply].Entry)].Move));
            auto* item = new QTableWidgetItem(text);
            item->setTextAlignment(Qt::AlignCenter);
            if (ply < PlyList.size() && PlyList[ply].Entry >= Position)
                item->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
            Table->setItem(r, c, item);
            if (ply < PlyList.size() && PlyList[ply].Entry >= 0
                && PlyList[ply].Entry == Position - 1) {
                Table->setCurrentCell(r, c);
                Table->scrollToItem(item);
            }
        }
    FirstButton->setEnabled(Navigation && Position > 0);
    PreviousButton->setEnabled(Navigation && Position > 0);
    NextButton->setEnabled(Navigation && Position < Count);
    LastButton->setEnabled(Navigation && Position < Count);
}

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
