// The "sounds" group of corvana-gen: the ten sound effects, synthesised, as WAVE images of the
// exact sizes the program's resource table declares.
#pragma once

#include "Generators.h"

std::vector<GeneratedResource> GenerateSounds(const GeneratorContext& context);
