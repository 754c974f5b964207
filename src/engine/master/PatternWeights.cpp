// The pattern weights of both sizes, compiled in from the files corvana-tune writes
// (PatternWeights8.bin, PatternWeights10.bin), and read once on first use.
#include <cstddef>

#include "PatternEval.h"

// The files go into the read-only data as they are; the build passes their paths.
asm(".section .rodata\n"
    ".balign 16\n"
    ".hidden corvana_pattern_weights8\n"
    ".global corvana_pattern_weights8\n"
    "corvana_pattern_weights8:\n"
    ".incbin \"" CORVANA_PATTERN_WEIGHTS8 "\"\n"
    ".hidden corvana_pattern_weights8_end\n"
    ".global corvana_pattern_weights8_end\n"
    "corvana_pattern_weights8_end:\n"
    ".balign 16\n"
    ".hidden corvana_pattern_weights10\n"
    ".global corvana_pattern_weights10\n"
    "corvana_pattern_weights10:\n"
    ".incbin \"" CORVANA_PATTERN_WEIGHTS10 "\"\n"
    ".hidden corvana_pattern_weights10_end\n"
    ".global corvana_pattern_weights10_end\n"
    "corvana_pattern_weights10_end:\n"
    ".previous\n");

extern "C" {
extern const unsigned char corvana_pattern_weights8[];
extern const unsigned char corvana_pattern_weights8_end[];
extern const unsigned char corvana_pattern_weights10[];
extern const unsigned char corvana_pattern_weights10_end[];
}

namespace master {

namespace {

    struct Loaded {
        PatternWeights Weights;
        std::string Problem;
        bool Fits = false;
    };

    const Loaded& LoadedFor(int size)
    {
        static const Loaded loaded[2]
            = { [] {
                   Loaded l;
                   l.Fits = ReadPatternWeights(corvana_pattern_weights8,
                       std::size_t(corvana_pattern_weights8_end - corvana_pattern_weights8), 8,
                       l.Weights, l.Problem);
                   return l;
               }(),
                  [] {
                      Loaded l;
                      l.Fits = ReadPatternWeights(corvana_pattern_weights10,
                          std::size_t(corvana_pattern_weights10_end - corvana_pattern_weights10),
                          10, l.Weights, l.Problem);
                      return l;
                  }() };
        return loaded[size == 8 ? 0 : 1];
    }

} // namespace

const PatternWeights* PatternWeightsFor(int size)
{
    const Loaded& l = LoadedFor(size);
    return l.Fits ? &l.Weights : nullptr;
}

std::string PatternWeightsProblem(int size) { return LoadedFor(size).Problem; }

} // namespace master
