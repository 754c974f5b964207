// The board on a dense screen: run with QT_SCALE_FACTOR 2 and 1.5 (on a large offscreen
// screen). The board is drawn pixel for device pixel, never copied up from the design's
// picture; the pointer's mapping, the keys' and the hint's pointer jumps, the marks and the
// accessible squares follow the board at three sizes of the window.
#include <QAccessible>
#include <QApplication>
#include <QCursor>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

#include <QTimer>
#include <condition_variable>
#include <mutex>

#include "AsyncTimer.h"
#include "BoardGraphics.h"
#include "BoardTracker.h"
#include "BoardView.h"
#include "GameFlow.h"
#include "MainWindow.h"
#include "ProcessState.h"
#include "RemoteBoardWindow.h"
#include "Settings.h"
#include "SpriteStore.h"

class BoardScaleTest : public QObject {
    Q_OBJECT

    QTemporaryDir ConfigDir;
    std::unique_ptr<TReversiForm> Form;

    void Open(int size, const std::string& options = "anief=no\n")
    {
        Form.reset();
        SettingsFile = ConfigDir.filePath(QStringLiteral("reversi.ini")).toStdString();
        QFile ini(QString::fromStdString(SettingsFile));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write(("[options]\ngamet=human\nbrdim=" + std::to_string(size)
            + "\nlevel=1\nsndef=no\nengit=norm\n" + options + "[extras]\nanimspeed=fast\n")
                      .c_str());
        ini.close();
        Form = std::make_unique<TReversiForm>();
        Form->Start();
        QVERIFY(QTest::qWaitForWindowExposed(Form.get()));
        WaitForLayout();
    }

    BoardView& Board() const { return Form->Board(); }
    qreal Ratio() const { return Board().devicePixelRatioF(); }

    // The board fitted to the widget as it is now, the pictures made for it.
    void WaitForLayout()
    {
        const auto wanted = [this] {
            const QSize s = Board().size();
            return LayoutForWidget(BoardSize, RestFrameFor(FigureSet),
                int(std::floor(s.width() * Ratio())), int(std::floor(s.height() * Ratio())),
                Ratio());
        };
        QTRY_VERIFY_WITH_TIMEOUT(Board().Geometry() == wanted(), 20000);
        QTRY_COMPARE_WITH_TIMEOUT(BackBuffer.Width, Board().Geometry().BackSize(), 20000);
    }

    // The board widget as the screen shows it, in device pixels.
    QImage Shown() const { return Board().grab().toImage().convertToFormat(QImage::Format_RGB32); }

    // A pointer movement over the board, as the window system reports one.
    void MoveTo(QPointF at)
    {
        QMouseEvent move(QEvent::MouseMove, at, Board().mapToGlobal(at), Qt::NoButton, Qt::NoButton,
            Qt::NoModifier);
        QApplication::sendEvent(&Board(), &move);
    }

    // The board as the design draws it at its first size, from the compiled-in pictures, into a
    // buffer of its own (the window's pictures are put back as they were).
    QImage DesignBoard()
    {
        PixelBlock back, sheet;
        std::swap(back, BackBuffer);
        std::swap(sheet, DiscSheet);
        const BoardLayout design { 8, 61, RestFrameFor(FigureSet), 20 };
        QImage out;
        if (LoadBorders() && LoadDiscSheet(FigureSet, false)) {
            AllocBackBuffer(design.BackSize(), design.BackSize());
            PaintBoard(design, BoardStack[0]);
            out = QImage(BackBuffer.Width, BackBuffer.Height, QImage::Format_RGB32);
            for (int y = 0; y < out.height(); ++y)
                for (int x = 0; x < out.width(); ++x)
                    out.setPixel(x, y, 0xFF000000u | BackBuffer.At(x, BackBuffer.Height - 1 - y));
        }
        std::swap(back, BackBuffer);
        std::swap(sheet, DiscSheet);
        return out;
    }

    // The centre of square (col, row) as drawn, in the board widget's own pixels.
    QPoint SquareCentre(int col, int row) const
    {
        const PictureRect r = SquareRect(Board().Geometry(), col, row);
        const QPointF device
            = QPointF(Board().BackOrigin() + QPoint(r.X + r.Width / 2, r.Y + r.Height / 2));
        return (device / Ratio()).toPoint();
    }

private slots:
    void initTestCase() { QVERIFY(QGuiApplication::primaryScreen()->devicePixelRatio() > 1); }
    void init() { ResetProcessState(); }
    void cleanup() { Form.reset(); }

    // At the window's first size the board is larger in device pixels than the design's (not a
    // copy of it): the back buffer is what the screen shows, pixel for device pixel.
    void TheBoardIsDrawnAtTheScreensDensity()
    {
        for (const int size : { 8, 10 }) {
            Open(size);
            const BoardLayout& layout = Board().Geometry();
            QVERIFY(!layout.IsDesign());
            const int first = FirstWidgetSide(size, Ratio());
            QCOMPARE(layout, LayoutForWidget(size, RestFrameFor(0), first, first, Ratio()));
            QVERIFY(layout.BackSize() > (size * CellSizeFor(size) + 40) * Ratio() - 8);
            const QImage shown = Shown();
            const QPoint o = Board().BackOrigin();
            int differ = 0;
            for (int y = 0; y < BackBuffer.Height; ++y)
                for (int x = 0; x < BackBuffer.Width; ++x)
                    differ += (shown.pixel(o.x() + x, o.y() + y) & 0xFFFFFF)
                        != BackBuffer.At(x, BackBuffer.Height - 1 - y);
            QCOMPARE(differ, 0);
        }
    }

    // Copying the design's picture up would repeat its pixels: aligned blocks of 2 × 2 equal
    // pixels at twice the size, a column or row repeating every other one at 1.5. Across the
    // squares, with their textures and discs, neither shows.
    void NothingIsCopiedUpFromTheDesignsPicture()
    {
        for (const int set : { 0, 1, 2 }) {
            Open(8);
            FigureSet = set;
            Board().FitBoard();
            Form->ReloadBoardGraphics();
            WaitForLayout();
            Form->DrawBoard();
            const QImage shown = Shown();
            const BoardLayout& layout = Board().Geometry();
            const QPoint from = Board().BackOrigin() + QPoint(layout.Margin, layout.Margin);
            const int span = layout.Size * layout.CellSize;
            // Unlike the design's picture copied up pixel by pixel, which it would equal.
            const QImage design = DesignBoard();
            QVERIFY(!design.isNull());
            double squares = 0;
            const double s = double(layout.BackSize()) / design.width();
            for (int y = 0; y < layout.BackSize(); ++y)
                for (int x = 0; x < layout.BackSize(); ++x) {
                    const QRgb a
                        = shown.pixel(Board().BackOrigin().x() + x, Board().BackOrigin().y() + y);
                    const QRgb b = design.pixel(std::min(design.width() - 1, int(x / s)),
                        std::min(design.height() - 1, int(y / s)));
                    for (const int shift : { 0, 8, 16 }) {
                        const double d = double((a >> shift) & 0xFF) - double((b >> shift) & 0xFF);
                        squares += d * d;
                    }
                }
            const double rmse = std::sqrt(squares / (3.0 * layout.BackSize() * layout.BackSize()));
            QVERIFY2(rmse > 1, qPrintable(QStringLiteral("set %1: RMSE %2").arg(set).arg(rmse)));
            for (const int px : { 0, 1 })
                for (const int py : { 0, 1 }) {
                    int blocks = 0, equal = 0;
                    for (int y = py; y + 1 < span; y += 2)
                        for (int x = px; x + 1 < span; x += 2) {
                            const QRgb a = shown.pixel(from.x() + x, from.y() + y);
                            ++blocks;
                            equal += a == shown.pixel(from.x() + x + 1, from.y() + y)
                                && a == shown.pixel(from.x() + x, from.y() + y + 1)
                                && a == shown.pixel(from.x() + x + 1, from.y() + y + 1);
                        }
                    // Where the art is smooth, neighbours are often equal: copying makes all of
                    // them.
                    QVERIFY2(equal * 2 < blocks,
                        qPrintable(QStringLiteral("set %1: %2 of %3 blocks of equal pixels")
                                       .arg(set)
                                       .arg(equal)
                                       .arg(blocks)));
                }
            // No column equals its neighbour down a whole square, nor a row along one.
            int repeated = 0, lines = 0;
            for (int sq = 0; sq < layout.Size; ++sq)
                for (int i = 0; i + 1 < layout.CellSize; ++i) {
                    bool column = true, row = true;
                    for (int k = 0; k < layout.CellSize; ++k) {
                        const int a = sq * layout.CellSize + i, b = sq * layout.CellSize + k;
                        column = column
                            && shown.pixel(from.x() + a, from.y() + b)
                                == shown.pixel(from.x() + a + 1, from.y() + b);
                        row = row
                            && shown.pixel(from.x() + b, from.y() + a)
                                == shown.pixel(from.x() + b, from.y() + a + 1);
                    }
                    repeated += column + row;
                    lines += 2;
                }
            QVERIFY2(repeated * 100 < lines,
                qPrintable(QStringLiteral("set %1: %2 of %3 lines repeat")
                               .arg(set)
                               .arg(repeated)
                               .arg(lines)));
        }
    }

    // At its first size, larger and much larger: the pointer over a square's middle hovers it,
    // the margin left of the board counts as the first column, the space right of the board
    // keeps the column, and a key brings the pointer back to the middle of the square.
    void PointerMappingAtThreeSizes()
    {
        Open(8);
        for (const QSize window : { QSize(), QSize(900, 760), QSize(1500, 1000) }) {
            if (window.isValid()) {
                Form->resize(window);
                WaitForLayout();
            }
            const QString at
                = QStringLiteral("window %1 x %2").arg(Form->width()).arg(Form->height());
            for (const QPoint square : { QPoint(0, 0), QPoint(7, 7), QPoint(3, 5), QPoint(6, 1) }) {
                MoveTo(SquareCentre(square.x(), square.y()));
                QCOMPARE(QPoint(Board().HoverCol, Board().HoverRow), square);
            }
            MoveTo(SquareCentre(5, 4));
            const QPoint left = (QPointF(Board().BackOrigin() + QPoint(1, 0)) / Ratio()).toPoint();
            MoveTo(QPoint(left.x() + 1, SquareCentre(5, 4).y()));
            QCOMPARE(Board().HoverCol, 0);
            QCOMPARE(Board().HoverRow, 4);
            const int right
                = int((Board().BackOrigin().x() + Board().Geometry().BackSize() - 2) / Ratio());
            MoveTo(QPoint(right, SquareCentre(2, 6).y()));
            QCOMPARE(QPoint(Board().HoverCol, Board().HoverRow), QPoint(0, 6));
            MoveTo(SquareCentre(2, 6));
            Form->FormKeyDown(Qt::Key_Right);
            QVERIFY2(QPoint(Board().HoverCol, Board().HoverRow) == QPoint(3, 6), qPrintable(at));
            QCOMPARE(Board().SquareAt(QCursor::pos()), QPoint(3, 6));
        }
    }

    // The hint puts the pointer on the square it found; the right-click marks and the screen
    // reader's squares are where the squares are drawn.
    void TheHintTheMarksAndTheAccessibleSquaresFollowTheBoard()
    {
        Open(8);
        Form->resize(1000, 820);
        WaitForLayout();
        Form->HintItemClick();
        QCOMPARE(QPoint(Board().HoverCol, Board().HoverRow), QPoint(4, 2));
        QVERIFY(Board().SquareOnScreen(4, 2).contains(QCursor::pos()));

        Form->FormMouseDown(Qt::RightButton);
        QVERIFY(Board().MoveDisplayTimer()->Enabled());
        // The available move's mark runs along the square's edge, a pixel of the design thick.
        const BoardLayout& layout = Board().Geometry();
        const PictureRect sq = SquareRect(layout, 4, 2);
        const int middle = BackBuffer.Height - 1 - (sq.Y + sq.Height / 2);
        int first = -1, count = 0;
        for (int x = sq.X; x < sq.X + sq.Width / 2; ++x)
            if (BackBuffer.At(x, middle) == 0xFFF000u) {
                first = first < 0 ? x - sq.X : first;
                ++count;
            }
        QCOMPARE(first, layout.Scaled(1));
        QCOMPARE(count, std::max(1, layout.Scaled(1)));
        Form->StopMoveDisplay();

        QAccessibleInterface* board = QAccessible::queryAccessibleInterface(&Board());
        QVERIFY(board && board->tableInterface());
        QAccessibleInterface* cell = board->tableInterface()->cellAt(2, 4);
        QVERIFY(cell->rect().contains(QCursor::pos()));
        QCOMPARE(board->childAt(cell->rect().center().x(), cell->rect().center().y()), cell);
        QCOMPARE(cell->rect().size(),
            QSize(int(std::lround(layout.CellSize / Ratio())),
                int(std::lround(layout.CellSize / Ratio()))));
    }

    // A move played before the worker has made the frames in mid-move waits for them (the
    // worker is held here until the move has begun to wait), then turns its discs through them.
    void AMoveWaitsForTheFramesInMidMove()
    {
        std::mutex lock;
        std::condition_variable released;
        bool go = false;
        BoardGraphics::WorkerHook = [&] {
            std::unique_lock<std::mutex> hold(lock);
            released.wait(hold, [&] { return go; });
        };
        Open(8, "anief=yes\n");
        const int frames = FigureSetFor(0).Frames;
        const auto moving = [&] {
            const int c = Board().Geometry().CellSize;
            const auto frame = [&](int f) {
                std::vector<std::uint32_t> px;
                for (int y = 0; y < c; ++y)
                    for (int x = 0; x < c; ++x)
                        px.push_back(DiscSheet.At(f * c + x, DiscSheet.Height - 1 - y));
                return px;
            };
            return frame(frames / 2) != frame(0);
        };
        QVERIFY(!moving()); // only the still pictures so far
        int shownWhileWaiting = -1;
        QTimer::singleShot(0, [&] {
            shownWhileWaiting = int(moving());
            const std::lock_guard<std::mutex> hold(lock);
            go = true;
            released.notify_all();
        });
        int framesShown = 0;
        AnimationFrameHook = [&](int) { ++framesShown; };
        const PictureRect r = SquareRect(Board().Geometry(), 4, 2);
        MoveTo(QPointF(Board().BackOrigin() + QPoint(r.X + r.Width / 2, r.Y + r.Height / 2))
            / Ratio());
        Form->FormClick();
        AnimationFrameHook = nullptr;
        BoardGraphics::WorkerHook = nullptr;
        QCOMPARE(shownWhileWaiting, 0); // the move had begun before the frames were there
        QCOMPARE(GameRecord->Count, 1);
        QCOMPARE(framesShown, frames);
        QVERIFY(moving());
    }

    // The peer's board: every square the same size in device pixels, the line of background
    // between them as thick as a pixel of the screen; four squares of the start position.
    void TheRemoteBoardIsDrawnAtTheScreensDensity()
    {
        BoardSize = 8;
        NewGame();
        TRemoteField field;
        std::string message(1, 'D');
        message += BoardToText();
        field.SetRemoteBoard(message);
        field.show();
        QVERIFY(QTest::qWaitForWindowExposed(&field));
        const QImage shown = field.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const qreal d = field.devicePixelRatioF();
        const int side = int(std::lround(TRemoteField::ClientSize * d));
        QCOMPARE(shown.width(), side);
        const int cell = side / 8, line = std::max(1, int(std::lround(d)));
        const auto count = [&](QRgb colour, int col, int row) {
            int n = 0;
            for (int y = row * cell; y < (row + 1) * cell; ++y)
                for (int x = col * cell; x < (col + 1) * cell; ++x)
                    n += (shown.pixel(x, y) & 0xFFFFFF) == colour;
            return n;
        };
        const int square = (cell - line) * (cell - line);
        QCOMPARE(count(0xFFFFFF, 3, 3), square);
        QCOMPARE(count(0xFFFFFF, 4, 4), square);
        QCOMPARE(count(0x000000, 3, 4), square);
        QCOMPARE(count(0x000000, 4, 3), square);
        QCOMPARE(count(0xFFFFFF, 2, 3) + count(0x000000, 2, 3), 0);
    }
};

QTEST_MAIN(BoardScaleTest)
#include "BoardScaleTest.moc"
