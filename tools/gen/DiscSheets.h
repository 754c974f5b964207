// The disc animation sheets ANIM_B1 ("Flame"), ANIM_B2 ("Classic") and ANIM_B3 ("Ancient"):
// eight bands of 61 × 61 frames, read by the sprite store. Each figure set paints its own
// squares and discs; this unit lays the frames out as the game expects them.
#pragma once

#include <string>
#include <vector>

#include "Generators.h"
#include "Raster.h"

constexpr int FrameSize = 61;
constexpr int BandCount = 8;
// Frames are painted this many times larger and averaged down, which antialiases every edge.
constexpr int Supersample = 4;
constexpr int CanvasSize = FrameSize * Supersample;

enum class Side { Yellow, Green };
inline Side Other(Side s) { return s == Side::Yellow ? Side::Green : Side::Yellow; }

// How a figure set paints its frames, all at CanvasSize × CanvasSize.
struct FigureSetArt {
    const char* ResourceName;
    const char* Title;
    int Frames; // per band; the last one is the resting picture
    FloatImage (*Square)(bool light); // the bare square
    FloatImage (*Rest)(Side side, bool light); // a disc lying still
    // Frame f (1 .. Frames − 2) of a disc of side `from` turning over to the other side; the
    // band's first and last frames are the resting discs.
    FloatImage (*Turn)(Side from, bool light, int frame);
    // Frame f (1 .. Frames − 1) of a disc of `side` appearing on an empty square.
    FloatImage (*Appear)(Side side, bool light, int frame);
};

// What band b of a sheet shows.
struct BandRole {
    bool Light; // light square (bands 0, 2, 4, 6)
    bool Appearing; // a placed disc growing in (bands 4..7), else a disc turning over
    Side Final; // the side the band ends with
};
BandRole RoleOfBand(int band);

// The whole sheet, Frames × 61 by 8 × 61 pixels, top row first: frame f of band b has its top
// left corner at (61 f, 61 b). Every band ends in the resting picture of its final side, the
// turning bands begin with the resting picture of the side they leave, and the appearing bands
// with the bare square, exactly.
PixelImage BuildSheet(const FigureSetArt& art);

// The three sheets in the planes layout, with previews (whole sheets, bands, the reduction for
// the 10 × 10 board and boards laid out as the game draws them).
std::vector<GeneratedResource> GenerateDiscSheets(const GeneratorContext& context);
