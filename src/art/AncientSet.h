// The "Ancient" figure set (ANIM_B3): scarab medallions of gold and green stone on lapis.
#pragma once

#include "DiscFrames.h"

const FigureSetArt& AncientArt();
