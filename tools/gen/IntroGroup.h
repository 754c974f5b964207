// The "intro" group of corvana-gen: everything the About window's animation reads (background
// tile, glyph strip, title picture, mesh, brightness ramp).
#pragma once

#include "Generators.h"

std::vector<GeneratedResource> GenerateIntro(const GeneratorContext& context);
