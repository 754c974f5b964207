// The master engine's pattern evaluation: the features of MasterEval.h plus a table of values for
// every configuration of a set of square groups (edges with their X squares, corner blocks, lines
// and diagonals), each group read at every place the board's symmetries carry it to. One table
// per game phase, fitted by corvana-tune to self-play games and compiled in as a binary file
// (PatternWeights8.bin, PatternWeights10.bin). The search carries a position's reading from move
// to move (PatternReading) rather than reading every leaf afresh. Evaluator<N> in MasterEval.h
// stays as the classic evaluation, selectable for comparison.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "MasterEval.h"

namespace master {

constexpr int MaxPatternLength = 10;
constexpr int MaxPatternInstances = 48;

// One group of squares, read in this order; configurations are numbered in base 3, the first
// square the least significant digit, 0 empty, 1 own, 2 opponent's.
struct PatternKind {
    std::string Name;
    std::vector<std::array<int, 2>> Squares; // (column, row), placed at the corner a1
    int Configurations = 0; // 3^length
    int Offset = 0; // of its configurations in a phase's table
    // Permutations of the digits that the board symmetries fixing the group's squares make: a
    // configuration and its images under them are the same configuration seen another way.
    std::vector<std::vector<int>> SelfMaps;
};

// One place on the board where a kind is read.
struct PatternInstance {
    int Kind = 0;
    int Length = 0;
    int Offset = 0;
    int Symmetry = 0; // the board symmetry (as Geo::Transform numbers them) that carries it here
    std::array<std::uint8_t, MaxPatternLength> Bits {}; // bit indices, in the kind's order
};

template <int N> struct PatternSet {
    std::vector<PatternKind> Kinds;
    std::vector<PatternInstance> Instances;
    int Entries = 0; // configurations of all kinds: the size of one phase's table

    static const PatternSet& Get();
};

// The compiled-in weights of one size, as corvana-tune writes them: a header, then the feature
// weights [phase][feature] and the tables [phase][entry], little-endian 16-bit values.
struct PatternWeights {
    int Size = 0;
    std::vector<std::int16_t> Feature; // EvalPhases * FeatureCount
    std::vector<std::int16_t> Table; // EvalPhases * Entries
};

// The weights file's layout, shared by the reader here and the writer in corvana-tune.
struct PatternFileHeader {
    char Magic[8]; // "CVPAT01"
    std::uint32_t Size, Phases, Features, Entries;
    std::uint32_t Reserved[2];
};
static_assert(sizeof(PatternFileHeader) == 32);

// Reads a weights file image for size; false (and why) when it does not fit this program's
// patterns, features or phases.
bool ReadPatternWeights(
    const unsigned char* data, std::size_t bytes, int size, PatternWeights& out, std::string& why);

// The file image of weights (their Size, and tables of this program's patterns): what
// ReadPatternWeights reads back.
std::vector<unsigned char> PatternWeightsFile(const PatternWeights& weights);

// The compiled-in weights of a size, or nullptr when they do not fit (the test suite says why;
// the evaluation then falls back to the classic one).
const PatternWeights* PatternWeightsFor(int size);

// Why the compiled-in weights of a size do not fit, or empty when they do.
std::string PatternWeightsProblem(int size);

// The configuration of every instance, without its kind's offset, in 16 bits (3^10 fits).
using PatternConfigs = std::array<std::uint16_t, MaxPatternInstances>;

// A position's configurations read both ways: with the side to move's discs as digit 1 and with
// them as digit 2. A move turns one into the other's successor by a few additions per square, so
// the search carries the pair from node to node instead of reading the board at every leaf.
struct PatternReading {
    PatternConfigs Mover {}, Other {};
};

template <int N> struct PatternEvaluator {
    using G = Geo<N>;
    using BB = typename G::BB;

    // Both readings of own to move, from scratch.
    static void Read(BB own, BB opp, PatternReading& out);
    // The reading after the side to move plays bit and turns flips; after a pass the two readings
    // swap places.
    static void Played(const PatternReading& before, int bit, BB flips, PatternReading& after);
    // The score of own to move from its reading (which must be of this position).
    static int Evaluate(BB own, BB opp, const PatternConfigs& mover);

    // The entry of each instance's configuration in a phase's table (its kind's offset added).
    static void Indices(BB own, BB opp, std::array<int, MaxPatternInstances>& out);
    // The same read square by square, as Indices does on 10 x 10: the 8 x 8 reading, from the
    // board's images under the symmetries, must give exactly this.
    static void IndicesBySquares(BB own, BB opp, std::array<int, MaxPatternInstances>& out);
    // The score of own to move, in centidiscs.
    static int Evaluate(BB own, BB opp);
};

// Geo<8>::Transform done with shifts and masks.
std::uint64_t FastTransform8(std::uint64_t b, int symmetry);

} // namespace master
