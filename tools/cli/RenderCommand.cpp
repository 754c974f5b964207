// corvana-cli render: the board as the window draws it (borders, resting discs, hover outline),
// without a window, written as a PNG for reviews and documentation; --scale S draws it as the
// window does at its first size on a screen of S device pixels to a pixel.
#include <QImage>
#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <sstream>

#include "BoardArt.h"
#include "BoardPainter.h"
#include "BoardTracker.h"
#include "Commands.h"
#include "GameFlow.h"
#include "RoutineTable.h"
#include "SpriteStore.h"

int RunRender(CliArgs& args)
{
    const int size = args.TakeInt("--size", 8, 10, 8);
    if (size != 8 && size != 10)
        throw UsageError("--size must be 8 or 10");
    const int figures = args.TakeInt("--figures", 0, 2, 0);
    const std::optional<std::string> position = args.Take("--position");
    const std::optional<std::string> hover = args.Take("--hover");
    const int moves = args.TakeInt("--moves", 0, 100, -1);
    const std::optional<std::string> scaleText = args.Take("--scale");
    double scale = 1;
    if (scaleText) {
        char* end = nullptr;
        scale = std::strtod(scaleText->c_str(), &end);
        if (scaleText->empty() || *end || !(scale >= 1 && scale <= 4))
            throw UsageError("--scale must be a number from 1 to 4");
    }
    const std::optional<std::string> out = args.Take("--out");
    if (!out)
        throw UsageError("render needs --out FILE.png");
    int hoverCol = -1, hoverRow = -1;
    if (hover) {
        std::istringstream in(*hover);
        char comma = 0;
        if (!(in >> hoverCol >> comma >> hoverRow) || comma != ',' || hoverCol < 0 || hoverRow < 0
            || hoverCol >= size || hoverRow >= size)
            throw UsageError("--hover must be COL,ROW on the board, from 0");
    }
    args.ExpectEnd();

    BoardSize = size;
    NewGame();
    if (position) {
        OBoardTracker record;
        if (const Status r = record.LoadFromFile(*position); !r) {
            std::cerr << "corvana-cli: " << *position << ": "
                      << (r.Failure().Kind == ErrorKind::NotOurs ? "not a saved game"
                                                                 : r.Failure().Message)
                      << "\n";
            return 1;
        }
        if (record.Size != size) {
            std::cerr << "corvana-cli: " << *position << " is a " << record.Size << " x "
                      << record.Size << " game\n";
            return 1;
        }
        // The position after the first `moves` moves (all of them by default).
        const int played = moves < 0 ? record.Count : std::min(moves, int(record.Count));
        if (played > 0) {
            const TTrackerEntry& last = record.Entries[played - 1];
            BoardStack[0] = last.Before;
            Routines.MakeMove(BoardStack[0], last.Move, last.MoverSide, last.OtherSide);
        }
    }

    const int widget = FirstWidgetSide(size, scale);
    const BoardLayout layout = LayoutForWidget(size, RestFrameFor(figures), widget, widget, scale);
    Status loaded;
    if (layout.IsDesign()) {
        loaded = LoadBorders();
        if (loaded)
            loaded = LoadDiscSheet(figures, size == 10);
    } else if (Result<BoardArt> art
        = MakeBoardArt({ size, layout.CellSize, layout.Margin, figures }, false)) {
        InstallBoardArt(std::move(art).Value());
    } else {
        loaded = art.Failure();
    }
    if (!loaded) {
        std::cerr << "corvana-cli: " << loaded.Failure().Message << "\n";
        return 1;
    }
    AllocBackBuffer(layout.BackSize(), layout.BackSize());
    PaintBoard(layout, BoardStack[0]);
    if (hover)
        DrawInsetOutline(layout, hoverCol, hoverRow, 0, HoverColour);

    QImage image(BackBuffer.Width, BackBuffer.Height, QImage::Format_RGB32);
    for (int y = 0; y < BackBuffer.Height; ++y) {
        const std::uint32_t* row = BackBuffer.MemoryRow(BackBuffer.Height - 1 - y);
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < BackBuffer.Width; ++x)
            line[x] = row[x] | 0xFF000000u;
    }
    if (!image.save(QString::fromStdString(*out), "PNG")) {
        std::cerr << "corvana-cli: cannot write " << *out << "\n";
        return 1;
    }
    return 0;
}
