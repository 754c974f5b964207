// The board widget: drawing into the back buffer and pushing the changed squares, the hover
// outline and its feedback, the disc animation, the right-click display of available and changed
// squares, playing from the keyboard and the typed key sequence.
#include "BoardView.h"

#include <QAccessible>
#include <QApplication>
#include <QCursor>
#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <chrono>
#include <cmath>
#include <thread>

#include "AsyncTimer.h"
#include "BoardTracker.h"
#include "RoutineTable.h"
#include "Settings.h"
#include "Sound.h"
#include "SpriteStore.h"

std::function<void(int frame)> AnimationFrameHook;

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

namespace {

// Typed anywhere on the board, in order, with anything between: asks the peer for its board.
constexpr char KeySequence[] = "kvbnrz";
constexpr int KeySequenceLength = 6;
// Typing this letter starts the sequence again.
constexpr char KeySequenceReset = 'q';

int LastMarkInset() { return BoardSize == 8 ? 29 : 23; }

} // namespace

BoardView::BoardView(QWidget* parent)
    : QWidget(parent)
    , Surface(this, QPoint(2, 2), DibUnits::DevicePixels)
    , HelpMoveAsyncTimer(new TAsyncTimer(this))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    HelpMoveAsyncTimer->SetInterval(40);
    HelpMoveAsyncTimer->SetThreadPriority(QThread::HighestPriority);
    HelpMoveAsyncTimer->OnTimer = [this](TAsyncTimer*) { MoveDisplayTick(); };
}

QSize BoardView::FirstSize() const
{
    const int side = BoardSize * CellSizeFor(BoardSize) + 2 * DesignMargin + 4;
    return { side, side };
}

QSize BoardView::sizeHint() const { return FirstSize(); }

QSize BoardView::minimumSizeHint() const
{
    // Half the design's squares still show every disc and label clearly.
    const int side = BoardSize * CellSizeFor(BoardSize) / 2 + 2 * DesignMargin + 4;
    return { side, side };
}

qreal BoardView::Ratio() const { return devicePixelRatioF(); }

// The bevel is two lines of a pixel each, as thick as a pixel of the screen's frames.
int BoardView::BevelLine() const { return ::BevelLine(Ratio()); }

QPoint BoardView::DevicePosition(QPointF widgetPosition) const
{
    const qreal d = Ratio();
    return { int(std::floor(widgetPosition.x() * d)), int(std::floor(widgetPosition.y() * d)) };
}

bool BoardView::FitBoard(QSize widgetSize)
{
    // Before the window is laid out the widget has no size of its own yet: it will have its
    // first size.
    const qreal d = Ratio();
    const QSize logical = widgetSize.isValid()         ? widgetSize
        : testAttribute(Qt::WA_Resized) || isVisible() ? size()
                                                       : FirstSize();
    const QSize device(int(std::floor(logical.width() * d)), int(std::floor(logical.height() * d)));
    const BoardLayout before = CurrentLayout;
    const int side = std::min(device.width(), device.height()) - 4 * BevelLine();
    CurrentLayout
        = FitLayout(BoardSize, RestFrameFor(FigureSet), std::max(side, BoardSize * 2 + 2));
    LaidOutRatio = d;
    CellSize = CurrentLayout.CellSize;
    HalfCell = CurrentLayout.IsDesign() ? HalfCellFor(BoardSize)
                                        : CurrentLayout.Scaled(HalfCellFor(BoardSize));
    RestFrame = CurrentLayout.RestFrame;
    PlaceBoard(device);
    return !(before == CurrentLayout);
}

// The board, its bevel round it, centred in the widget.
void BoardView::PlaceBoard(QSize device)
{
    const int framed = CurrentLayout.BackSize() + 4 * BevelLine();
    Surface.SetOrigin(QPoint((device.width() - framed) / 2 + 2 * BevelLine(),
        (device.height() - framed) / 2 + 2 * BevelLine()));
}

QPoint BoardView::InputOrigin() const
{
    const int m = CurrentLayout.Margin - 2 * BevelLine();
    return BackOrigin() + QPoint(m, m);
}

QRect BoardView::SquareOnScreen(int col, int row) const
{
    const qreal d = Ratio();
    const PictureRect r = SquareRect(CurrentLayout, col, row);
    const QPointF topLeft = QPointF(BackOrigin() + QPoint(r.X, r.Y)) / d;
    return QRect(mapToGlobal(topLeft).toPoint(),
        QSize(int(std::lround(r.Width / d)), int(std::lround(r.Height / d))));
}

QPoint BoardView::SquareAt(QPoint global) const
{
    const QPoint local = DevicePosition(mapFromGlobal(QPointF(global))) - BackOrigin()
        - QPoint(CurrentLayout.Margin, CurrentLayout.Margin);
    const int c = CurrentLayout.CellSize;
    if (local.x() < 0 || local.y() < 0 || local.x() >= BoardSize * c || local.y() >= BoardSize * c)
        return { -1, -1 };
    return { local.x() / c, local.y() / c };
}

void BoardView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    AskForLayout();
}

// Once the events that come together have all been handled: a window being resized or maximised
// sends several.
void BoardView::AskForLayout()
{
    if (LayoutAsked)
        return;
    LayoutAsked = true;
    QTimer::singleShot(0, this, [this] {
        LayoutAsked = false;
        if (OnLayoutWanted)
            OnLayoutWanted();
        else
            FitBoard();
    });
}

void BoardView::PushRect(const PictureRect& r)
{
    if (!r.Empty())
        Surface.Push(QRect(r.X, r.Y, r.Width, r.Height));
}

void BoardView::PushSquare(int x, int y) { PushRect(SquareRect(Layout(), x, y)); }

void BoardView::DrawBoard()
{
    PaintBoard(Layout(), BoardStack[0]);
    for (int x = 0; x < BoardSize; ++x)
        for (int y = 0; y < BoardSize; ++y)
            DrawMarkers(x, y);
}

// The markers that stay on the board when the extras ask for them, over the square's sprite;
// every redraw of a square draws them again, so a marker leaves with its reason.
void BoardView::DrawMarkers(int x, int y)
{
    if (Extras.MarkLegalMoves && !GameOver && IsAvailable(x, y))
        DrawLegalMoveDot(
            Layout(), x, y, SideToMove == SideYellow ? YellowMoveColour : GreenMoveColour);
    if (Extras.MarkLastMove && GameRecord && GameRecord->Current > 0
        && GameRecord->Current <= GameRecord->Count
        && GameRecord->Entries[std::size_t(GameRecord->Current - 1)].Move == SquareIndex(x, y))
        DrawLastMoveMarker(Layout(), x, y);
}

void BoardView::Present() { repaint(); }

void BoardView::RedrawSquare(int x, int y, bool show)
{
    if (x < 0 || x >= BoardSize || y < 0 || y >= BoardSize)
        return;
    DrawRestingSprite(Layout(), BoardStack[0], x, y);
    DrawMarkers(x, y);
    if (show)
        PushSquare(x, y);
}

void BoardView::ShowHoverMark()
{
    if (HoverCol < 0 || HoverCol >= BoardSize || HoverRow < 0 || HoverRow >= BoardSize)
        return;
    DrawInsetOutline(Layout(), HoverCol, HoverRow, 0, HoverColour);
    PushSquare(HoverCol, HoverRow);
}

void BoardView::EraseHoverMark() { EraseHoverMark(BoardStack[0]); }

void BoardView::EraseHoverMark(const Board& board)
{
    if (PrevHoverCol < 0 || PrevHoverCol >= BoardSize || PrevHoverRow < 0
        || PrevHoverRow >= BoardSize)
        return;
    DrawRestingSprite(Layout(), board, PrevHoverCol, PrevHoverRow);
    DrawMarkers(PrevHoverCol, PrevHoverRow);
    PushSquare(PrevHoverCol, PrevHoverRow);
}

void BoardView::MoveHoverHome() { HoverCol = HoverRow = 0; }

void BoardView::Announce(const QString& text)
{
    Announcement = text;
    QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void BoardView::RememberBoard() { RememberBoard(BoardStack[0]); }

void BoardView::RememberBoard(const Board& before)
{
    StopMoveDisplay();
    PreviousBoard = before;
    NoPreviousBoard = false;
}

void BoardView::AnimateMove()
{
    if (!AnimationOn)
        return;
    if (BeforeAnimation)
        BeforeAnimation();
    TransitionCodes = ComputeTransitionCodes(PreviousBoard, BoardStack[0]);
    setCursor(Qt::ArrowCursor);
    // The window first shows the position before the move, then the discs change on it.
    PaintBoard(Layout(), PreviousBoard);
    repaint();
    AnimateDiscs();
}

void BoardView::AnimateDiscs()
{
    using Clock = std::chrono::steady_clock;
    for (int frame = 0; frame <= RestFrame; ++frame) {
        const auto start = Clock::now();
        PushRect(DrawAnimationFrame(Layout(), TransitionCodes, frame));
        if (AnimationFrameHook)
            AnimationFrameHook(frame);
        // 55 ms a frame (or the speed the extras choose), or longer when drawing takes longer;
        // no messages are handled meanwhile.
        std::this_thread::sleep_until(start + std::chrono::milliseconds(Extras.AnimationFrameMs));
    }
    DiscardInputMadeMeanwhile();
}

// The animation holds the main thread, and what the player clicked or typed meanwhile was meant
// for a board that has changed since: taken from the queue now, it is dropped instead of being
// played on the new position. Network messages wait in their own queue meanwhile.
void BoardView::DiscardInputMadeMeanwhile()
{
    InputSwallower swallower(window());
    qApp->installEventFilter(&swallower);
    if (HoldNetwork)
        HoldNetwork(true);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (HoldNetwork)
        HoldNetwork(false);
    qApp->removeEventFilter(&swallower);
}

void BoardView::DrawMoveMark(int x, int y, int k)
{
    if (!ShowAvailableMoves || x < 0 || x > BoardSize - 1 || y < 0 || y > BoardSize - 1)
        return;
    DrawInsetOutline(
        Layout(), x, y, k, SideToMove == SideYellow ? YellowMoveColour : GreenMoveColour);
    PushSquare(x, y);
}

void BoardView::DrawChangeMark(int x, int y, int k)
{
    if (!ShowPreviousMove || x < 0 || x > BoardSize - 1 || y < 0 || y > BoardSize - 1)
        return;
    DrawInsetOutline(Layout(), x, y, k, ChangeColour);
    PushSquare(x, y);
}

bool BoardView::IsAvailable(int x, int y) const
{
    return Routines.IsLegalMove(BoardStack[0], SquareIndex(x, y), SideToMove, Opponent());
}

void BoardView::StopMoveDisplay()
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

void BoardView::StartMoveDisplay()
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

void BoardView::MoveDisplayTick()
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

void BoardView::paintEvent(QPaintEvent* event)
{
    // Moved to a screen of another density: the board is drawn again for it.
    if (Ratio() != LaidOutRatio)
        AskForLayout();
    QPainter p(this);
    Surface.Paint(p, event->rect());

    // From here on in device pixels: the painter's own scale undone.
    const qreal d = Ratio();
    p.setTransform(QTransform::fromScale(1 / d, 1 / d));
    const int t = BevelLine();
    const int framed = CurrentLayout.BackSize() + 4 * t;
    const QRect frame(BackOrigin() - QPoint(2 * t, 2 * t), QSize(framed, framed));
    // Around the board, where the widget is wider or higher than it, the window's background.
    const QRect device = Surface.DeviceRect(rect());
    const QRegion outside = QRegion(device).subtracted(QRegion(frame));
    for (const QRect& r : outside)
        p.fillRect(r, palette().color(QPalette::Window));

    // A sunken two-pixel bevel around the back buffer; each line stops short of its end point.
    // Its lines are t device pixels thick: the bevel is counted in units of t, the near ones
    // from the frame's top-left corner and the far ones from its bottom-right corner.
    const int w = frame.width() / t, h = frame.height() / t;
    const QPalette& pal = palette();
    const auto from = [t](int unit, int units, int extent) {
        return unit <= 2 ? unit * t : extent - (units - unit) * t;
    };
    const auto to = [t](int unit, int units, int extent) {
        return unit >= units - 3 ? extent - (units - 1 - unit) * t : (unit + 1) * t;
    };
    auto line = [&](int x1, int y1, int x2, int y2, QPalette::ColorRole role) {
        auto sign = [](int v) { return (v > 0) - (v < 0); };
        const int ex = x2 - sign(x2 - x1), ey = y2 - sign(y2 - y1); // the last unit drawn
        const int left = std::min(x1, ex), right = std::max(x1, ex);
        const int top = std::min(y1, ey), bottom = std::max(y1, ey);
        p.fillRect(QRect(QPoint(frame.left() + from(left, w, frame.width()),
                             frame.top() + from(top, h, frame.height())),
                       QPoint(frame.left() + to(right, w, frame.width()) - 1,
                           frame.top() + to(bottom, h, frame.height()) - 1)),
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
    PaintMoveValues(p);
}

void BoardView::ShowMoveValues(std::vector<ShownValue> values)
{
    if (values.empty() && Values.empty())
        return;
    Values = std::move(values);
    update();
}

void BoardView::PaintMoveValues(QPainter& p)
{
    if (Values.empty())
        return;
    // In device pixels, as everything on the board: sharp at any density.
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont font = this->font();
    font.setBold(true);
    font.setPixelSize(std::max(8, CellSize * 3 / 10));
    for (const ShownValue& v : Values) {
        if (!v.At.Valid() || v.At.Size() != BoardSize)
            continue;
        const PictureRect r = SquareRect(CurrentLayout, v.At.Col(), v.At.Row());
        const QRectF cell(QPointF(BackOrigin() + QPoint(r.X, r.Y)), QSizeF(r.Width, r.Height));
        const QString text = v.Discs > 0 ? QStringLiteral("+%1").arg(v.Discs)
            : v.Discs < 0                ? QString(QChar(0x2212)) + QString::number(-v.Discs)
                                         : QStringLiteral("0");
        QPainterPath path;
        const QFontMetricsF metrics(font);
        const qreal width = metrics.horizontalAdvance(text);
        const QPointF at(cell.center().x() - width / 2,
            cell.center().y() + (metrics.ascent() - metrics.descent()) / 2);
        path.addText(at, font, text);
        if (v.Exact) // solved to the end: underlined
            path.addRect(QRectF(at.x(), at.y() + metrics.descent() * 0.6, width,
                std::max(1.0, metrics.lineWidth() * 1.5)));
        // A dark outline keeps the figures readable on any square and any disc.
        p.strokePath(path, QPen(QColor(0, 0, 0, 200), std::max(2.0, CellSize / 20.0)));
        p.fillPath(path, v.Best ? QColor(255, 236, 64) : QColor(255, 255, 255));
    }
}

void BoardView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = DevicePosition(event->position());
    FormMouseMove(pos.x(), pos.y());
}

void BoardView::mousePressEvent(QMouseEvent* event) { FormMouseDown(event->button()); }

void BoardView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())
        && OnClick)
        OnClick();
}

void BoardView::keyPressEvent(QKeyEvent* event)
{
    // The move list's keys work from the board too, where it shows.
    switch (event->key()) {
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        if (OnNavigationKey && OnNavigationKey(event->key()))
            return;
        break;
    default:
        break;
    }
    FormKeyDown(event->key());
    if (!event->text().isEmpty())
        FormKeyPress(event->text().at(0));
}

// --- input, in device pixels of the widget ---
void BoardView::FormMouseMove(int x, int y)
{
    PrevHoverCol = HoverCol;
    PrevHoverRow = HoverRow;
    // Truncating division: the margin left of and above the board still counts as square 0.
    const QPoint origin = InputOrigin();
    const int col = (x - origin.x()) / CellSize;
    const int row = (y - origin.y()) / CellSize;
    if (col >= 0 && col < BoardSize)
        HoverCol = col;
    if (row >= 0 && row < BoardSize)
        HoverRow = row;
    const bool changed = HoverCol != PrevHoverCol || HoverRow != PrevHoverRow;
    if (changed) {
        EraseHoverMark();
        ShowHoverMark();
        // A screen reader follows the square the arrows (or the pointer) reach.
        if (QAccessible::isActive())
            if (QAccessibleInterface* board = QAccessible::queryAccessibleInterface(this))
                if (QAccessibleTableInterface* table = board->tableInterface())
                    if (QAccessibleInterface* cell = table->cellAt(HoverRow, HoverCol)) {
                        QAccessibleEvent focus(cell, QAccessible::Focus);
                        QAccessible::updateAccessibility(&focus);
                    }
    }
    if (InputTaken && !InputTaken())
        return;
    if (Routines.IsLegalMove(
            BoardStack[0], SquareIndex(HoverCol, HoverRow), SideToMove, Opponent())) {
        setCursor(Qt::PointingHandCursor);
        if (changed && !HintPointerMoved)
            PlaySoundResource("SOUND_LEGAL");
        HintPointerMoved = false;
    } else {
        setCursor(Qt::ArrowCursor);
    }
}

void BoardView::FormMouseDown(Qt::MouseButton button)
{
    if ((InputTaken && !InputTaken()) || button != Qt::RightButton || HelpMoveAsyncTimer->Enabled())
        return;
    StartMoveDisplay();
}

void BoardView::FormKeyDown(int key)
{
    int col = HoverCol, row = HoverRow;
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (OnClick)
            OnClick();
        break;
    case Qt::Key_Left:
        if (col > 0)
            --col;
        break;
    case Qt::Key_Up:
        if (row > 0)
            --row;
        break;
    case Qt::Key_Right:
        if (col < BoardSize - 1)
            ++col;
        break;
    case Qt::Key_Down:
        if (row < BoardSize - 1)
            ++row;
        break;
    default:
        break;
    }
    // Every key brings the pointer to the centre of the square it leaves selected.
    const QPoint origin = InputOrigin();
    MovePointerTo(
        CellSize * col + CellSize / 2 + origin.x(), CellSize * row + CellSize / 2 + origin.y());
}

void BoardView::MovePointerTo(int x, int y)
{
    QCursor::setPos(mapToGlobal(QPointF(x, y) / Ratio()).toPoint());
    // Not every window system reports a pointer moved by the program; track it here too (a second
    // report of the same square changes nothing).
    FormMouseMove(x, y);
}

void BoardView::FormKeyPress(QChar c)
{
    if (c == QLatin1Char(KeySequence[KeySequencePos])) {
        if (++KeySequencePos == KeySequenceLength) {
            KeySequencePos = 0;
            if (OnKeySequence)
                OnKeySequence();
        }
    } else if (c == QLatin1Char(KeySequenceReset)) {
        KeySequencePos = 0;
    }
}

void BoardView::MovePointerToSquare(int col, int row)
{
    const QPoint origin = InputOrigin();
    MovePointerTo(CellSize * col + HalfCell + origin.x(), CellSize * row + HalfCell + origin.y());
}
