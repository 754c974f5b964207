// The "rules" group of corvana-gen: the rules and help text shown by the Help window, as a Rich
// Text Format document in code page 1251.
#pragma once

#include "Generators.h"

std::vector<GeneratedResource> GenerateRulesText(const GeneratorContext& context);
