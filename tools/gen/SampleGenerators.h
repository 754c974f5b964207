// The "samples" generator group: the codec's own test resources (SAMPLE_...), until the
// program's content lands. Listed in main.cpp's GeneratorTable.
#pragma once

#include "Generators.h"

std::vector<GeneratedResource> GenerateSamples(const GeneratorContext& context);
