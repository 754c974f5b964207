// Reads the intro's five compiled-in resources (INTRO_BACKFON, INTRO_FONTIM, INTRO_FRONTIM,
// INTRO_3DMESH, INTRO_GRAD) for TIntro::LoadIntro. Used by the About window, corvana-cli intro,
// the benchmark and the tests; kept apart from the renderer, which the generator links before
// any resource exists.
#pragma once

#include "Intro.h"

// The five resources, or the first that could not be read, named in the message.
Result<TIntroResources> ReadIntroResources();
