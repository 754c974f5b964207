// The "Flame" figure set (ANIM_B1): glowing discs that turn over in a burst of flame.
#pragma once

#include "DiscFrames.h"

const FigureSetArt& FlameArt();
