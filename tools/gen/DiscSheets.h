// The disc animation sheets ANIM_B1 ("Flame"), ANIM_B2 ("Classic") and ANIM_B3 ("Ancient"):
// eight bands of 61 × 61 frames, read by the sprite store. Each figure set paints its own
// squares and discs; this unit lays the frames out as the game expects them.
#pragma once

#include <string>
#include <vector>

#include "DiscFrames.h"
#include "Generators.h"
#include "Raster.h"

// The compiled-in frames are painted this many times larger and averaged down, which
// antialiases every edge.
constexpr int Supersample = 4;
constexpr int CanvasSize = FrameSize * Supersample;

// The whole sheet, Frames × 61 by 8 × 61 pixels, top row first: frame f of band b has its top
// left corner at (61 f, 61 b). Every band ends in the resting picture of its final side, the
// turning bands begin with the resting picture of the side they leave, and the appearing bands
// with the bare square, exactly.
PixelImage BuildSheet(const FigureSetArt& art);

// The three sheets in the planes layout, with previews (whole sheets, bands, the reduction for
// the 10 × 10 board and boards laid out as the game draws them).
std::vector<GeneratedResource> GenerateDiscSheets(const GeneratorContext& context);
