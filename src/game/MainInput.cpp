// Pointer and keyboard on the board: the hovered square with its outline and feedback, playing
// from the keyboard, the hint, the right-click move display and the typed key sequence that asks a
// network peer for its board.
#include <QCursor>
#include <QMessageBox>

#include "AsyncTimer.h"
#include "MainUnit.h"
#include "NetProtocol.h"
#include "RoutineTable.h"
#include "SearchThread.h"
#include "Sound.h"

namespace {

// Typed anywhere on the board, in order, with anything between: asks the peer for its board.
constexpr char KeySequence[] = "kvbnrz";
constexpr int KeySequenceLength = 6;
// Typing this letter starts the sequence again.
constexpr char KeySequenceReset = 'q';

} // namespace

void TReversiForm::SetBoardCursor(Qt::CursorShape shape) { BoardWidget->setCursor(shape); }

void TReversiForm::FormMouseMove(int x, int y)
{
    PrevHoverCol = HoverCol;
    PrevHoverRow = HoverRow;
    // Truncating division: the margin left of and above the board still counts as square 0.
    const int col = (x - 20) / CellSize;
    const int row = (y - 20) / CellSize;
    if (col >= 0 && col < BoardSize)
        HoverCol = col;
    if (row >= 0 && row < BoardSize)
        HoverRow = row;
    const bool changed = HoverCol != PrevHoverCol || HoverRow != PrevHoverRow;
    if (changed) {
        EraseHoverMark();
        ShowHoverMark();
    }
    if (HistoryMode || SearchRunning.load(std::memory_order_acquire)
        || (NetworkGame && SideToMove != ComputerSide))
        return;
    if (Routines.IsLegalMove(
            BoardStack[0], SquareIndex(HoverCol, HoverRow), SideToMove, Opponent())) {
        SetBoardCursor(Qt::PointingHandCursor);
        if (changed && !HintPointerMoved)
            PlaySoundResource("SOUND_LEGAL");
        HintPointerMoved = false;
    } else {
        SetBoardCursor(Qt::ArrowCursor);
    }
}

void TReversiForm::FormMouseDown(Qt::MouseButton button)
{
    if (HistoryMode || SearchRunning.load(std::memory_order_acquire)
        || (NetworkGame && SideToMove != ComputerSide) || button != Qt::RightButton
        || HelpMoveAsyncTimer->Enabled())
        return;
    StartMoveDisplay();
}

void TReversiForm::FormKeyDown(int key)
{
    int col = HoverCol, row = HoverRow;
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        FormClick();
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
    MovePointerTo(CellSize * col + CellSize / 2 + 20, CellSize * row + CellSize / 2 + 20);
}

void TReversiForm::MovePointerTo(int x, int y)
{
    QCursor::setPos(BoardWidget->mapToGlobal(QPoint(x, y)));
    // Not every window system reports a pointer moved by the program; track it here too (a second
    // report of the same square changes nothing).
    FormMouseMove(x, y);
}

void TReversiForm::FormKeyPress(QChar c)
{
    if (c == QLatin1Char(KeySequence[KeySequencePos])) {
        if (++KeySequencePos == KeySequenceLength) {
            KeySequencePos = 0;
            if (!NetworkGame)
                QMessageBox::information(this, QStringLiteral("Corvana"),
                    QStringLiteral("Network game not in progress.\nFunction not work."));
            else
                SendToPeer(std::string(1, MsgBoardRequest)); // the answer shows in R_BRD
        }
    } else if (c == QLatin1Char(KeySequenceReset)) {
        KeySequencePos = 0;
    }
}

void TReversiForm::HintItemClick()
{
    if (GameOver || NetworkGame || WaitingForSearch)
        return;
    const int square = SearchAndWait();
    if (Closing)
        return;
    if (LastSearchStale) {
        // Another game came while the hint was thought about; it may be the computer's turn there.
        MakeComputerMove();
        return;
    }
    if (square == PassMove)
        return;
    HintPointerMoved = true;
    const int rw = RowWidth();
    const int col = (square - rw - 1) / rw, row = (square - rw - 1) % rw;
    MovePointerTo(CellSize * col + HalfCell + 20, CellSize * row + HalfCell + 20);
    PlaySoundResource("SOUND_HINT");
}
