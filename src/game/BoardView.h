// The board on screen: the client area below the menu, showing the back buffer at (2, 2) inside a
// sunken bevel; the hover outline, the disc animation of a move, the right-click display of the
// available and changed squares, and the pointer and keys on the board. Used by the main window,
// which hands it the game's decisions (what a click does, whether input is taken).
//
// The board is the largest square that fits the widget, centred, drawn in device pixels: at the
// widget's first size on a screen of one device pixel to a pixel it is the design's board, pixel
// for pixel; a larger widget or a denser screen draws it larger (BoardLayout), and every
// position the design gives in pixels (the pointer's mapping, the pointer's jumps, the squares
// pushed) is a position in device pixels of this board.
#pragma once

#include <QWidget>
#include <functional>
#include <vector>

#include "Board.h"
#include "BoardPainter.h"
#include "DrawDib.h"
#include "Square.h"

class QPainter;
class TAsyncTimer;

// Tests only: runs after each frame of the disc animation has been pushed to the window.
extern std::function<void(int frame)> AnimationFrameHook;

class BoardView : public QWidget {
public:
    explicit BoardView(QWidget* parent);

    // --- what the window asks of the board ---
    // Square geometry and animation length for the current BoardSize and figure set, for the
    // widget's size as it is (or, before the widget has one, its first size), or for the size
    // given. True when the layout changed, and the pictures with it.
    bool FitBoard(QSize widgetSize = {});
    const BoardLayout& Geometry() const { return CurrentLayout; }
    // The widget's first size for the current board size: the design's client area.
    QSize FirstSize() const;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // Where the back buffer's top-left pixel lies, in device pixels of the widget.
    QPoint BackOrigin() const { return Surface.PictureOrigin(); }
    // The origin of the pointer's mapping (20, 20 in the design), in device pixels.
    QPoint InputOrigin() const;
    // The device pixels to a pixel of the widget, and a widget position as a device position.
    qreal Ratio() const;
    QPoint DevicePosition(QPointF widgetPosition) const;
    // A square as it is drawn, on the screen (global, in the screen's pixels), and the square
    // under a point of the screen (x -1 when none).
    QRect SquareOnScreen(int col, int row) const;
    QPoint SquareAt(QPoint global) const;
    void DrawBoard(); // board 0 into the back buffer
    void Present(); // the back buffer on the screen at once
    void RedrawSquare(int x, int y, bool show);
    void DrawMarkers(int x, int y);
    void ShowHoverMark();
    void EraseHoverMark();
    // The outline erased from the square as shown on board (the position before a move).
    void EraseHoverMark(const Board& board);
    void MoveHoverHome(); // the hover square back to (0, 0)
    void RememberBoard();
    // Ends the move display and keeps before as the position the next animation starts from.
    void RememberBoard(const Board& before);
    void AnimateMove();
    void DrawMoveMark(int x, int y, int k);
    void DrawChangeMark(int x, int y, int k);
    void StopMoveDisplay();
    void StartMoveDisplay();
    void MoveDisplayTick(); // a tick of HelpMoveAsyncTimer
    // Moves the pointer onto a square's centre, as the hint and the keyboard do.
    void MovePointerToSquare(int col, int row);
    void MovePointerToSquare(const Square& square)
    {
        MovePointerToSquare(square.Col(), square.Row());
    }
    // The square under the hover outline, which a click plays.
    Square HoverSquare() const { return Square::At(BoardSize, HoverCol, HoverRow); }
    TAsyncTimer* MoveDisplayTimer() const { return HelpMoveAsyncTimer; }
    // Values written on squares over the board ("Show move values"): final disc differences for
    // the side to move, the best emphasised, exact ones underlined. Empty: none.
    struct ShownValue {
        Square At;
        int Discs = 0;
        bool Exact = false;
        bool Best = false;
    };
    void ShowMoveValues(std::vector<ShownValue> values);
    const std::vector<ShownValue>& MoveValuesShown() const { return Values; }
    // Tells a screen reader what happened on the board (a move, a pass, the result).
    void Announce(const QString& text);
    const QString& LastAnnouncement() const { return Announcement; }

    // --- input, as the window's handlers receive it ---
    void FormMouseMove(int x, int y);
    void FormMouseDown(Qt::MouseButton button);
    void FormKeyDown(int key);
    void FormKeyPress(QChar c);

    // --- what the board asks of the window ---
    std::function<void()> OnClick; // the hovered square is clicked (or Enter, Space)
    std::function<bool()> InputTaken; // pointer feedback and the display are on (no search, ...)
    std::function<void()> OnKeySequence; // the typed key sequence is complete
    // Network messages wait while input made during an animation is dropped.
    std::function<void(bool hold)> HoldNetwork;
    // The widget's size or the screen's density asks for another layout (after the event that
    // changed it, once however many came together).
    std::function<void()> OnLayoutWanted;
    // Home, End, Page Up and Page Down; true when they were taken (by the move list).
    std::function<bool(int key)> OnNavigationKey;
    // Before a move is animated: every frame of the sheet must be there.
    std::function<void()> BeforeAnimation;

    // The state the design gives the main window, kept here where it is used. CellSize and
    // HalfCell are in device pixels of the current layout.
    int HoverCol = 0, HoverRow = 0;
    int PrevHoverCol = 0, PrevHoverRow = 0;
    int CellSize = 61, HalfCell = 30;
    int RestFrame = 19;
    Board PreviousBoard {};
    bool NoPreviousBoard = true;
    TransitionTable TransitionCodes {};
    int DisplayTick = 0;
    bool HintPointerMoved = false;
    int KeySequencePos = 0;
    TDibSurface Surface;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    const BoardLayout& Layout() const { return CurrentLayout; }
    void PlaceBoard(QSize deviceSize);
    void AskForLayout();
    int BevelLine() const;
    void PushSquare(int x, int y);
    void PushRect(const PictureRect& r);
    void AnimateDiscs();
    void DiscardInputMadeMeanwhile();
    void MovePointerTo(int x, int y);
    bool IsAvailable(int x, int y) const;

    void PaintMoveValues(QPainter& p);

    TAsyncTimer* HelpMoveAsyncTimer;
    QString Announcement;
    std::vector<ShownValue> Values;
    BoardLayout CurrentLayout;
    qreal LaidOutRatio = 0; // the device pixel ratio the layout was made for
    bool LayoutAsked = false;
};
