// The board on screen: drawing into the back buffer and pushing the changed squares, the hover
// outline, the disc animation of a move and the right-click display of available and changed
// squares. Also the board widget's painting.
#include <QApplication>
#include <QPaintEvent>
#include <chrono>
#include <functional>
#include <thread>

#include "AsyncTimer.h"
#include "NetSockets.h"
#include "GrHolder.h"
#include "MainUnit.h"
#include "RoutineTable.h"
#include "Settings.h"

BoardLayout TReversiForm::Layout() const { return { BoardSize, CellSize, RestFrame }; }

void TReversiForm::PushRect(const PictureRect& r)
{
    if (!r.Empty())
        BoardWidget->Surface.Push(QRect(r.X, r.Y, r.Width, r.Height));
}

void TReversiForm::PushSquare(int x, int y) { PushRect(SquareRect(Layout(), x, y)); }

void TReversiForm::DrawBoard() { PaintBoard(Layout(), BoardStack[0]); }

void TReversiForm::RedrawSquare(int x, int y, bool show)
{
    if (x < 0 || x >= BoardSize || y < 0 || y >= BoardSize)
        return;
    DrawRestingSprite(Layout(), BoardStack[0], x, y);
    if (show)
        PushSquare(x, y);
}

void TReversiForm::ShowHoverMark()
{
    if (HoverCol < 0 || HoverCol >= BoardSize || HoverRow < 0 || HoverRow >= BoardSize)
        return;
    DrawInsetOutline(Layout(), HoverCol, HoverRow, 0, HoverColour);
    PushSquare(HoverCol, HoverRow);
}

void TReversiForm::EraseHoverMark()
{
    if (PrevHoverCol < 0 || PrevHoverCol >= BoardSize || PrevHoverRow < 0
        || PrevHoverRow >= BoardSize)
        return;
    DrawRestingSprite(Layout(), BoardStack[0], PrevHoverCol, PrevHoverRow);
    PushSquare(PrevHoverCol, PrevHoverRow);
}

void TReversiForm::RememberBoard()
{
    StopMoveDisplay();
    PreviousBoard = BoardStack[0];
    NoPreviousBoard = false;
}

void TReversiForm::AnimateMove()
{
    if (!AnimationOn)
        return;
    TransitionCodes = ComputeTransitionCodes(PreviousBoard, BoardStack[0]);
    BoardWidget->setCursor(Qt::ArrowCursor);
    // The window first shows the position before the move, then the discs change on it.
    PaintBoard(Layout(), PreviousBoard);
    BoardWidget->repaint();
    AnimateDiscs();
}

std::function<void(int frame)> AnimationFrameHook;

void TReversiForm::AnimateDiscs()
{
    using Clock = std::chrono::steady_clock;
    for (int frame = 0; frame <= RestFrame; ++frame) {
        const auto start = Clock::now();
        PushRect(DrawAnimationFrame(Layout(), TransitionCodes, frame));
        if (AnimationFrameHook)
            AnimationFrameHook(frame);
        // 55 ms a frame, or longer when drawing takes longer; no messages are handled meanwhile.
        std::this_thread::sleep_until(start + std::chrono::milliseconds(55));
    }
    DiscardInputMadeMeanwhile();
}

namespace {

// Swallows the pointer buttons and keys meant for one window (and the shortcuts they would
// trigger), letting everything else through.
class InputSwallower : public QObject {
public:
    explicit InputSwallower(QWidget* window)
        : Window(window)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Shortcut:
        case QEvent::ContextMenu:
            return BelongsToWindow(watched);
        case QEvent::ShortcutOverride:
            // Accepted, the key counts as the widget's own and triggers no menu shortcut.
            if (BelongsToWindow(watched)) {
                event->accept();
                return true;
            }
            return false;
        default:
            return false;
        }
    }

private:
    bool BelongsToWindow(QObject* o) const
    {
        for (; o; o = o->parent())
            if (auto* w = qobject_cast<QWidget*>(o))
                return w->window() == Window;
        return false;
    }
    QWidget* Window;
};

} // namespace

// The animation holds the main thread, and what the player clicked or typed meanwhile was meant
// for a board that has changed since: taken from the queue now, it is dropped instead of being
// played on the new position. Network messages wait in their own queue meanwhile.
void TReversiForm::DiscardInputMadeMeanwhile()
{
    InputSwallower swallower(this);
    qApp->installEventFilter(&swallower);
    if (NetEvents)
        NetEvents->Hold();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (NetEvents)
        NetEvents->Release();
    qApp->removeEventFilter(&swallower);
}

void TReversiForm::DrawMoveMark(int x, int y, int k)
{
    if (!ShowAvailableMoves || x < 0 || x > BoardSize - 1 || y < 0 || y > BoardSize - 1)
        return;
    DrawInsetOutline(
        Layout(), x, y, k, SideToMove == SideYellow ? YellowMoveColour : GreenMoveColour);
    PushSquare(x, y);
}

void TReversiForm::DrawChangeMark(int x, int y, int k)
{
    if (!ShowPreviousMove || x < 0 || x > BoardSize - 1 || y < 0 || y > BoardSize - 1)
        return;
    DrawInsetOutline(Layout(), x, y, k, ChangeColour);
    PushSquare(x, y);
}

namespace {

bool IsAvailable(int x, int y)
{
    return Routines.IsLegalMove(BoardStack[0], SquareIndex(x, y), SideToMove, Opponent());
}

int LastMarkInset() { return BoardSize == 8 ? 29 : 23; }

} // namespace

void TReversiForm::StopMoveDisplay()
{
    if (HelpMoveAsyncTimer->Enabled()) {
        for (int x = 0; x < BoardSize; ++x) {
            for (int y = 0; y < BoardSize; ++y) {
                if (IsAvailable(x, y))
                    RedrawSquare(x, y, true);
                if (!NoPreviousBoard
                    && BoardStack[0][SquareIndex(x, y)] != PreviousBoard[SquareIndex(x, y)])
                    RedrawSquare(x, y, true);
            }
        }
    }
    HelpMoveAsyncTimer->SetEnabled(false);
}

void TReversiForm::StartMoveDisplay()
{
    bool any = false;
    for (int x = 0; x < BoardSize; ++x) {
        for (int y = 0; y < BoardSize; ++y) {
            if (IsAvailable(x, y)) {
                DrawMoveMark(x, y, 0);
                any = true;
            }
            if (!NoPreviousBoard
                && BoardStack[0][SquareIndex(x, y)] != PreviousBoard[SquareIndex(x, y)]) {
                DrawChangeMark(x, y, LastMarkInset());
                any = true;
            }
        }
    }
    if (any)
        HelpMoveAsyncTimer->SetEnabled(true);
    DisplayTick = 0;
}

void TReversiForm::HelpMoveAsyncTimerTimer()
{
    const int last = LastMarkInset();
    for (int x = 0; x < BoardSize; ++x) {
        for (int y = 0; y < BoardSize; ++y) {
            if (IsAvailable(x, y)) {
                RedrawSquare(x, y, false);
                DrawMoveMark(x, y, DisplayTick);
            }
            if (!NoPreviousBoard
                && BoardStack[0][SquareIndex(x, y)] != PreviousBoard[SquareIndex(x, y)]) {
                RedrawSquare(x, y, false);
                DrawChangeMark(x, y, last - DisplayTick);
            }
        }
    }
    if (++DisplayTick > last)
        StopMoveDisplay();
}

TBoardWidget::TBoardWidget(TReversiForm* form)
    : QWidget(form)
    , Surface(this, QPoint(2, 2))
    , Form(form)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

void TBoardWidget::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    Surface.Paint(p, event->rect());

    // A sunken two-pixel bevel around the back buffer; each line stops short of its end point.
    const int w = width(), h = height();
    const QPalette& pal = palette();
    auto line = [&](int x1, int y1, int x2, int y2, QPalette::ColorRole role) {
        auto sign = [](int v) { return (v > 0) - (v < 0); };
        const int ex = x2 - sign(x2 - x1), ey = y2 - sign(y2 - y1); // the last pixel drawn
        p.fillRect(QRect(QPoint(std::min(x1, ex), std::min(y1, ey)),
                       QPoint(std::max(x1, ex), std::max(y1, ey))),
            pal.color(role));
    };
    line(0, 0, 0, h - 1, QPalette::Dark);
    line(0, h - 1, w - 1, h - 1, QPalette::Light);
    line(w - 1, h - 1, w - 1, 0, QPalette::Light);
    line(w - 1, 0, 0, 0, QPalette::Dark);
    line(1, 1, 1, h - 2, QPalette::Shadow);
    line(1, h - 2, w - 2, h - 2, QPalette::Midlight);
    line(w - 2, h - 2, w - 2, 1, QPalette::Midlight);
    line(w - 2, 1, 1, 1, QPalette::Shadow);
}

void TBoardWidget::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    Form->FormMouseMove(pos.x(), pos.y());
}

void TBoardWidget::mousePressEvent(QMouseEvent* event) { Form->FormMouseDown(event->button()); }

void TBoardWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Form->FormClick();
}

void TBoardWidget::keyPressEvent(QKeyEvent* event)
{
    Form->FormKeyDown(event->key());
    if (!event->text().isEmpty())
        Form->FormKeyPress(event->text().at(0));
}
