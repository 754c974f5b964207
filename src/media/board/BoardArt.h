// The board's pictures for a layout other than the design's: the borders and the disc sheet
// resampled from the art's masters (src/art, BoardPictures.h), which are painted the first time
// a size needs them and kept, so that a new size costs only the resampling. The masters are
// kept for the figure set last asked for, and the frame's for each board size.
//
// Every call may come from any thread; painting and resampling are spread over the cores.
#pragma once

#include <atomic>

#include "Result.h"
#include "SpriteStore.h"

struct BoardArtKey {
    int Size = 8;
    int CellSize = 61;
    int Margin = 20;
    int FigureSet = 0;
    bool operator==(const BoardArtKey&) const = default;
};

// What the sprite store shows for a layout: ScaledHorizontalBorder, ScaledVerticalBorder and
// DiscSheet.
struct BoardArt {
    BoardArtKey Key;
    PixelBlock Horizontal, Vertical, Sheet;
    // Every frame of the sheet is there; without it only the still pictures are (the bare
    // squares and the resting discs, which are all a board at rest shows), and the frames in
    // between repeat the first frame of their band.
    bool Moving = false;
};

// The pictures for key, with the moving frames or without them. cancel, when given and set,
// ends the work early with an error; the masters painted by then are kept. Only one caller at a
// time may ask for another figure set than the last one (the main thread, once the work for the
// old set has ended).
Result<BoardArt> MakeBoardArt(
    const BoardArtKey& key, bool moving, const std::atomic<bool>* cancel = nullptr);

// True when MakeBoardArt(key, false) has no master to paint first, only resampling to do.
bool BoardArtIsQuick(const BoardArtKey& key);

// Puts the pictures into the sprite store.
void InstallBoardArt(BoardArt&& art);

// Drops every master (tests, and memory at the end).
void ForgetBoardArtMasters();
// How many master canvases have been painted since the start (for the tests).
int BoardArtMastersPainted();
