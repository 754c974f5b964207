// The "Classic" figure set (ANIM_B2): glossy discs turning over in 3D on a wooden board.
#pragma once

#include "DiscFrames.h"
#include "DiscModel.h"

const FigureSetArt& ClassicArt();

// The lacquered disc's look, for other pictures that show the game's discs (the icons).
Rgb ShadeClassicDisc(const DiscHit& hit, Side top, Side bottom);
